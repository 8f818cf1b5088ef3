# The conversion report: the listing's figures taken before the conversion,
# the model's read back from the files it wrote, the flags, the drawings and
# the HTML and JSON pages. Beside the model-file reader in this folder, in a
# library of its own, since it also takes the listing's risers.
add_library(velkan_conversionreport STATIC
  ${CMAKE_CURRENT_LIST_DIR}/drawingpoints.cc
  ${CMAKE_CURRENT_LIST_DIR}/listingfigures.cc
  ${CMAKE_CURRENT_LIST_DIR}/reportfigures.cc
  ${CMAKE_CURRENT_LIST_DIR}/shear7figures.cc
  ${CMAKE_CURRENT_LIST_DIR}/reportnumbers.cc
  ${CMAKE_CURRENT_LIST_DIR}/reportflags.cc
  ${CMAKE_CURRENT_LIST_DIR}/svgplot.cc
  ${CMAKE_CURRENT_LIST_DIR}/reporthtml.cc
  ${CMAKE_CURRENT_LIST_DIR}/reportjson.cc)
target_link_libraries(velkan_conversionreport PUBLIC velkan_headers PRIVATE velkan_warnings)
target_link_libraries(velkan_conversionreport PUBLIC velkan_report velkan_process velkan_platform)
