# A library that may include nothing but the tables' headers, and a model
# source that includes its own model header: the check must refuse it.
set(LIBRARY upward)
set(QT_FREE ON)
set(FILES "${CMAKE_CURRENT_LIST_DIR}/../model/crank_slider.cpp")
set(ALLOWED "tables/display_view.h")
set(OWNED "model/crank_slider.h;model/engine_state.h;tables/display_view.h")
