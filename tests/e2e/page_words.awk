# Compares the words of a printed page with the texts the layout computed:
#
#   awk -v name=NAME -v dx=TWIPS -v dy=TWIPS -v tolerance=TWIPS -f page_words.awk \
#       PAGE.html EXPECTED
#
# PAGE.html is `pdftotext -bbox` output; EXPECTED has one line per printed
# text, "x<TAB>y<TAB>points<TAB>text", in twips from the corner of the
# printable area, which lies dx, dy from the corner of the sheet. Every word
# must stand where it was expected, within tolerance, and no other word may
# be on the page. Prints a summary and exits 1 on any difference.

function unescape(s) {
    gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s); gsub(/&quot;/, "\"", s)
    gsub(/&apos;/, "\047", s); gsub(/&amp;/, "\\&", s)
    return s
}
function abs(v) { return v < 0 ? -v : v }
# The PDF words: points from the sheet corner, 20 twips to a point.
FNR == NR {
    if (match($0, /<word xMin="[0-9.]+" yMin="[0-9.]+"[^>]*>[^<]*<\/word>/)) {
        w = substr($0, RSTART, RLENGTH)
        split(w, q, "\"")
        text = w; sub(/^[^>]*>/, "", text); sub(/<\/word>$/, "", text)
        pdf_text[++pdf_n] = unescape(text)
        pdf_left[pdf_n] = q[2] * 20 - dx
        pdf_top[pdf_n] = q[4] * 20 - dy
    }
    next
}
# The expected texts, split at blanks: in the monospaced page font a
# character is 0.6 of the point size wide, 12 twips per point.
{
    split($0, f, "\t")
    x = f[1]; y = f[2]; width = 12 * f[3]; line = f[4]
    for (i = 1; i <= length(line); ) {
        if (substr(line, i, 1) == " ") { i++; continue }
        j = i
        while (j <= length(line) && substr(line, j, 1) != " ") j++
        word = substr(line, i, j - i)
        left = x + (i - 1) * width
        expected_n++
        found = 0
        for (k = 1; k <= pdf_n; k++) {
            if (!used[k] && pdf_text[k] == word && abs(pdf_left[k] - left) <= tolerance &&
                abs(pdf_top[k] - y) <= tolerance) {
                used[k] = 1; found = 1; break
            }
        }
        if (!found && ++missing <= 10)
            printf "%s: \"%s\" expected at x %.1f y %.1f twips, not on the page\n", name, word, left, y
        i = j
    }
}
END {
    for (k = 1; k <= pdf_n; k++)
        if (!used[k] && ++extra <= 10)
            printf "%s: unexpected \"%s\" at x %.1f y %.1f twips\n", name, pdf_text[k], pdf_left[k], pdf_top[k]
    printf "%s: %d words expected, %d on the page, %d missing, %d unexpected\n", name, expected_n, pdf_n, missing + 0, extra + 0
    exit (missing + extra > 0 || expected_n == 0)
}
