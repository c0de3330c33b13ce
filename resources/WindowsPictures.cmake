# A build without Qt Svg (Windows) takes its pictures from PNGs that a tool
# of the building machine draws from our SVGs: every picture at the sizes the
# windows use, the program's icon at the icon sizes, and the .ico Windows
# shows for the program. VELTRANO_RENDER_ICON names that tool
# (tools/render_icon, built with the host's Qt; ./build.sh windows does it).
if(NOT VELTRANO_RENDER_ICON)
  message(FATAL_ERROR "A Windows build needs VELTRANO_RENDER_ICON, the host's veltrano_render_icon")
endif()
set(picture_sizes 16 20 24 32 40 48 64)
set(icon_sizes 16 24 32 48 64 128 256)
set(out ${CMAKE_CURRENT_BINARY_DIR}/pictures)
file(MAKE_DIRECTORY ${out})
file(GLOB svgs ${CMAKE_CURRENT_SOURCE_DIR}/icons/*.svg)
set(pngs)

# veltrano_draw_pictures(<name> <svg> <sizes...>): <name>-<size>.png for each size.
function(veltrano_draw_pictures name svg)
  set(arguments)
  set(outputs)
  foreach(size IN LISTS ARGN)
    list(APPEND arguments ${size} ${out}/${name}-${size}.png)
    list(APPEND outputs ${out}/${name}-${size}.png)
  endforeach()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${VELTRANO_RENDER_ICON} ${svg} ${arguments}
    DEPENDS ${svg} VERBATIM)
  set(pngs ${pngs} ${outputs} PARENT_SCOPE)
endfunction()

foreach(svg IN LISTS svgs)
  get_filename_component(name ${svg} NAME_WE)
  set(source ${svg})
  if(name STREQUAL "level")
    # Two-tone: pure red fill, pure blue line (common/logic/TwoTonePicture.h).
    file(READ ${svg} text)
    string(REPLACE "@FILL@" "#ff0000" text "${text}")
    string(REPLACE "@LINE@" "#0000ff" text "${text}")
    set(source ${CMAKE_CURRENT_BINARY_DIR}/level-two-tone.svg)
    file(WRITE ${source} "${text}")
  endif()
  veltrano_draw_pictures(${name} ${source} ${picture_sizes})
endforeach()
veltrano_draw_pictures(veltrano ${CMAKE_CURRENT_SOURCE_DIR}/art/veltrano.svg ${icon_sizes})

set_source_files_properties(${pngs} PROPERTIES GENERATED TRUE)
add_custom_target(veltrano_picture_pngs DEPENDS ${pngs})
add_dependencies(veltrano_ui veltrano_picture_pngs)
qt_add_resources(veltrano_ui veltrano_pictures PREFIX /app/pictures BASE ${out} FILES ${pngs})

# The program's icon in the executable: one .ico of the PNG sizes, put
# together by ImageMagick (the toolchain script installs it).
find_program(VELTRANO_MAGICK NAMES convert magick REQUIRED)
set(VELTRANO_ICO ${CMAKE_CURRENT_BINARY_DIR}/veltrano.ico)
set(ico_pngs)
foreach(size 16 24 32 48 256)
  list(APPEND ico_pngs ${out}/veltrano-${size}.png)
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
