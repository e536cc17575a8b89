# Tests of the field images and the panel texts: plain images and strings,
# no window needed.
add_executable(breliko_field_images_test field_images_test.cpp)
target_link_libraries(breliko_field_images_test PRIVATE breliko_field_images GTest::gtest_main)
gtest_discover_tests(breliko_field_images_test)

add_executable(breliko_panel_texts_test panel_texts_test.cpp)
target_link_libraries(breliko_panel_texts_test PRIVATE breliko_field_images GTest::gtest_main)
gtest_discover_tests(breliko_panel_texts_test)
