# The program takes its pictures from PNGs that a tool of the building
# machine draws from our SVGs: every picture at the sizes the windows use
# (common/ui/PngPictures.cpp), the program's icon at the icon sizes.
# VELTRANO_RENDER_ICON names that tool: tools/render_icon of this build, or
# for a cross build the host's (./build.sh windows builds it).
if(NOT VELTRANO_RENDER_ICON)
  if(CMAKE_CROSSCOMPILING OR NOT TARGET veltrano_render_icon)
    message(FATAL_ERROR "A cross build needs VELTRANO_RENDER_ICON, the host's veltrano_render_icon")
  endif()
  set(VELTRANO_RENDER_ICON $<TARGET_FILE:veltrano_render_icon>)
endif()
set(picture_sizes 16 20 24 32 40 48 64)
set(icon_sizes 16 24 32 48 64 128 256)
# One folder per size: the resource compiler lays a folder's files side by
# side, so the few sizes a screen uses are read from a few pages of the
# program, not from pages of every size.
set(out ${CMAKE_CURRENT_BINARY_DIR}/pictures)
foreach(size IN LISTS picture_sizes icon_sizes)
  file(MAKE_DIRECTORY ${out}/${size})
endforeach()
file(GLOB svgs ${CMAKE_CURRENT_SOURCE_DIR}/icons/*.svg)
set(pngs)

# veltrano_draw_pictures(<name> <svg> <sizes...>): <size>/<name>.png for each size.
function(veltrano_draw_pictures name svg)
  set(arguments)
  set(outputs)
  foreach(size IN LISTS ARGN)
    list(APPEND arguments ${size} ${out}/${size}/${name}.png)
    list(APPEND outputs ${out}/${size}/${name}.png)
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
# Two resources, so two blocks of the program: what a screen at the usual
# density asks for at start-up (the 16 and 32 pixel pictures, the program's
# icon at every size) and the rest. The pages of the program the rest lies in
# are then never read in at start-up; one block would have the start-up
# pictures spread across all of it.
set(start_up_pngs)
set(later_pngs)
foreach(png IN LISTS pngs)
  if(png MATCHES "/(16|32)/[^/]+$" OR png MATCHES "/veltrano\\.png$")
    list(APPEND start_up_pngs ${png})
  else()
    list(APPEND later_pngs ${png})
  endif()
endforeach()
qt_add_resources(veltrano_ui veltrano_pictures PREFIX /app/pictures BASE ${out} FILES ${start_up_pngs})
qt_add_resources(veltrano_ui veltrano_pictures_later PREFIX /app/pictures BASE ${out} FILES ${later_pngs})

