# Tests of the numeric key filter; included from the tests' CMakeLists.
parlivo_test(tst_key_check ${CMAKE_CURRENT_LIST_DIR}/tst_key_check.cpp)
