# Tray, hiding and placement, hot keys, About box and help page.
veltrano_add_test(NAME tray_logic_tests SOURCES SnapTest.cpp HelpCommandsTest.cpp)
veltrano_add_test(NAME tray_window_tests SOURCES TrayPlacementTest.cpp AboutTest.cpp DayPicturesTest.cpp WIDGETS)
veltrano_add_test(NAME linux_desktop_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/../platform/LinuxShellTest.cpp ${CMAKE_CURRENT_LIST_DIR}/../platform/LinuxTrayTest.cpp
  LIBS veltrano_platform WIDGETS)
add_test(NAME tray_install_layout COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install_layout.sh ${CMAKE_BINARY_DIR})
set_tests_properties(tray_install_layout PROPERTIES LABELS logic TIMEOUT 150)
