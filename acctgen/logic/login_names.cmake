# Login names, a library of their own: the intranet rights tool forms the same logins with it.
set(login_names_sources ${CMAKE_CURRENT_LIST_DIR}/login_names.cpp
                        ${CMAKE_CURRENT_LIST_DIR}/transliteration.cpp)
add_library(login_names STATIC ${login_names_sources})
target_link_libraries(login_names PUBLIC runtime)
