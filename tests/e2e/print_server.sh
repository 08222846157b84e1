# A private CUPS print server for the end-to-end tests, to be sourced:
#
#   start_print_server DIR      # starts cupsd in DIR, exports CUPS_SERVER
#   add_raw_queue NAME          # a queue that takes the page as it comes
#   add_ppd_queue NAME PPD      # a queue with its paper from a PPD file
#   job_files                   # the documents the server has received
#   job_control N               # the server's record of job N, its attributes
#   stop_print_server           # ends cupsd by its process id
#
# The server listens on a unix socket in DIR only, keeps every document it
# receives (PreserveJobFiles) and sends the jobs to /dev/null. Run as root it
# works as the user lp; as an ordinary user it runs as that user. Every wait
# is bounded.

print_server_pid=""

start_print_server() {
    local dir=$1
    mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log"
    chmod -R a+rwx "$dir"
    {
        echo "Listen $dir/cups.sock"
        echo "Browsing No"
        echo "LogLevel warn"
        echo "DefaultAuthType None"
        echo "PreserveJobFiles Yes"
        # Job attributes (the control files) written at once, not within 30 s.
        echo "DirtyCleanInterval 0"
        echo "<Location />"
        echo "  Order allow,deny"
        echo "  Allow all"
        echo "</Location>"
        echo "<Policy default>"
        echo "  <Limit All>"
        echo "    Order deny,allow"
        echo "  </Limit>"
        echo "</Policy>"
    } >"$dir/cupsd.conf"
    {
        if [[ $(id -u) -eq 0 ]]; then
            echo "User lp"
            echo "Group lp"
        fi
        echo "FileDevice Yes"
        echo "ServerRoot $dir"
        echo "RequestRoot $dir/spool"
        echo "TempDir $dir/spool/tmp"
        echo "CacheDir $dir/cache"
        echo "StateDir $dir/state"
        echo "ErrorLog $dir/log/error_log"
        echo "AccessLog $dir/log/access_log"
        echo "PageLog $dir/log/page_log"
    } >"$dir/cups-files.conf"

    print_server_dir=$dir
    timeout 600 cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    print_server_pid=$!
    export CUPS_SERVER="$dir/cups.sock"
    # Our own server and nothing a user or the system would choose instead.
    unset PRINTER LPDEST
    for _ in $(seq 100); do
        timeout 5 lpstat -r 2>/dev/null | grep -q 'is running' && return 0
        sleep 0.1
    done
    echo "the print server did not start: $(cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null)" >&2
    return 1
}

add_raw_queue() {
    timeout 10 lpadmin -p "$1" -E -v file:///dev/null
}

add_ppd_queue() {
    timeout 10 lpadmin -p "$1" -E -v file:///dev/null -P "$2" 2>/dev/null
}

job_files() {
    find "$print_server_dir/spool" -maxdepth 1 -name 'd*' -type f | sort
}

job_control() {
    printf '%s/spool/c%05d' "$print_server_dir" "$1"
}

stop_print_server() {
    if [[ -n "$print_server_pid" ]]; then
        kill "$print_server_pid" 2>/dev/null || true
        wait "$print_server_pid" 2>/dev/null || true
        print_server_pid=""
    fi
}
