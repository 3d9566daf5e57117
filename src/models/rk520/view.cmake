# The rk520 form view: the shared editor over this model's Designer form.
add_library(rk520_view STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Rk520View.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Rk520View.h
    ${CMAKE_CURRENT_LIST_DIR}/Rk520Form.ui)
target_include_directories(rk520_view PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(rk520_view PUBLIC rk_editor rk520_profile Qt6::Widgets)
set_target_properties(rk520_view PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_LIST_DIR})
