# The program's icon in the Windows executable: one .ico of the PNG sizes, put
# together by ImageMagick (the toolchain script installs it).
find_program(VELTRANO_MAGICK NAMES convert magick REQUIRED)
set(VELTRANO_ICO ${CMAKE_CURRENT_BINARY_DIR}/veltrano.ico)
set(ico_pngs)
foreach(size 16 24 32 48 256)
  list(APPEND ico_pngs ${out}/${size}/veltrano.png)
endforeach()
add_custom_command(OUTPUT ${VELTRANO_ICO}
  COMMAND ${VELTRANO_MAGICK} ${ico_pngs} ${VELTRANO_ICO}
  DEPENDS ${ico_pngs} VERBATIM)
add_custom_target(veltrano_ico DEPENDS ${VELTRANO_ICO})
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/veltrano.rc.in ${CMAKE_CURRENT_BINARY_DIR}/veltrano.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/veltrano.rc DIRECTORY ${PROJECT_SOURCE_DIR}/src
  PROPERTIES OBJECT_DEPENDS ${VELTRANO_ICO})
add_dependencies(veltrano veltrano_ico)

# The help page sits beside the program, where F1 looks first.
install(FILES ${VELTRANO_HELP_PAGE} DESTINATION Help)
