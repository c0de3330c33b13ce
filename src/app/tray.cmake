# Tray, hiding and window placement, global hot keys, the About box, the help
# page and the program's place on the desktop (icon, menu entry).
target_sources(veltrano_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DayPictures.h ${CMAKE_CURRENT_LIST_DIR}/DayPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpCommands.h ${CMAKE_CURRENT_LIST_DIR}/HelpCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Snap.h ${CMAKE_CURRENT_LIST_DIR}/Snap.cpp)

target_sources(veltrano_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/About.h ${CMAKE_CURRENT_LIST_DIR}/About.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutBanner.h ${CMAKE_CURRENT_LIST_DIR}/AboutBanner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppIcon.h ${CMAKE_CURRENT_LIST_DIR}/AppIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlobalHotKeys.h ${CMAKE_CURRENT_LIST_DIR}/GlobalHotKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrayMenu.h ${CMAKE_CURRENT_LIST_DIR}/TrayMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrayPlacement.h ${CMAKE_CURRENT_LIST_DIR}/TrayPlacement.cpp)
qt_add_resources(veltrano_ui veltrano_art PREFIX /veltrano BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${CMAKE_CURRENT_LIST_DIR}/art/veltrano.svg)

# The help page sits beside the built program, where F1 looks first.
set(VELTRANO_HELP_PAGE ${CMAKE_CURRENT_LIST_DIR}/help/index.htm)
add_custom_target(veltrano_help_page ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VELTRANO_HELP_PAGE} $<TARGET_FILE_DIR:veltrano>/Help/index.htm
  DEPENDS ${VELTRANO_HELP_PAGE} VERBATIM)

# PNG sizes of the icon for desktops that do not read SVG icons.
add_executable(veltrano_render_icon ${CMAKE_CURRENT_LIST_DIR}/art/RenderAppIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppIcon.cpp)
target_link_libraries(veltrano_render_icon PRIVATE veltrano_options Qt6::Gui Qt6::Svg)
set(VELTRANO_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/art/veltrano.svg)
set(VELTRANO_ICON_PNGS)
foreach(size 48 128)
  list(APPEND VELTRANO_ICON_PNGS ${size} ${CMAKE_CURRENT_BINARY_DIR}/veltrano-${size}.png)
endforeach()
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/veltrano-48.png ${CMAKE_CURRENT_BINARY_DIR}/veltrano-128.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:veltrano_render_icon> ${VELTRANO_ICON_SVG} ${VELTRANO_ICON_PNGS}
  DEPENDS veltrano_render_icon ${VELTRANO_ICON_SVG} VERBATIM)
add_custom_target(veltrano_icon_pngs ALL
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/veltrano-48.png ${CMAKE_CURRENT_BINARY_DIR}/veltrano-128.png)

# An installed program keeps its data per user (~/.local/share/Veltrano/);
# F1 then finds the page under the prefix, ../share/veltrano/Help from bin/.
install(FILES ${VELTRANO_HELP_PAGE} DESTINATION share/veltrano/Help)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/desktop/veltrano.desktop DESTINATION share/applications)
install(FILES ${VELTRANO_ICON_SVG} DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 128)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/veltrano-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME veltrano.png)
endforeach()
