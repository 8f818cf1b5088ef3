# Release archives (cmake --build <build> --target package): on Windows a zip
# of velkan.exe with the README and the examples, elsewhere a .tar.gz with the
# executable under bin/ and the same documents.
if(WIN32)
  set(velkan_bin_dir .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(velkan_bin_dir bin)
  set(CPACK_GENERATOR TGZ)
  string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" CPACK_SYSTEM_NAME)
endif()

install(TARGETS velkan RUNTIME DESTINATION ${velkan_bin_dir})
install(FILES README.md DESTINATION .)
file(GLOB velkan_examples CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/examples/*.lis ${PROJECT_SOURCE_DIR}/examples/*.ans)
install(FILES ${velkan_examples} DESTINATION examples)

set(CPACK_PACKAGE_NAME velkan)
set(CPACK_PACKAGE_VENDOR "VELKAN")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converts FlexCom listings to Vomar and Shear7 model files")
set(CPACK_PACKAGE_FILE_NAME "velkan-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
