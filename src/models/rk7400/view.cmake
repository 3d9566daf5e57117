# The rk7400 form view: the shared editor over this model's Designer form.
add_library(rk7400_view STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Rk7400View.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Rk7400View.h
    ${CMAKE_CURRENT_LIST_DIR}/Rk7400Form.ui)
target_include_directories(rk7400_view PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(rk7400_view PUBLIC rk_editor rk7400_profile Qt6::Widgets)
set_target_properties(rk7400_view PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_LIST_DIR})
