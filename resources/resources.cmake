# Toolbar pictures and the program icon, compiled into the ui library. Written in the format that
# keeps no file times (zlib, never zstd, is what that format can name), so two checkouts of one
# commit compile the same bytes.
qt_add_resources(pinto_ui "pinto_icons"
    PREFIX "/icons"
    OPTIONS --format-version 1 --no-zstd
    BASE "${CMAKE_CURRENT_LIST_DIR}/icons"
    FILES
        "${CMAKE_CURRENT_LIST_DIR}/icons/about.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/configure.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/down.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/find.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/forget.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/new.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/next.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/pinto.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/play.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/previous.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/print.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/remove.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/save.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/setpattern.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/tune.svg"
        "${CMAKE_CURRENT_LIST_DIR}/icons/up.svg")
