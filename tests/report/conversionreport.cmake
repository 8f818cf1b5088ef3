# The tests of the conversion report's own parts (the thinning of the
# drawings, the numbers of its pages); the report as a whole is tested through
# the built program in tests/driver.
velkan_test(conversionreport_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawingpoints_test.cc ${CMAKE_CURRENT_LIST_DIR}/reportnumbers_test.cc
  LIBS velkan_conversionreport)
