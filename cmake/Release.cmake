# The release archives (CPack, ZIP): scripts/release stages what a till
# receives in release/till and the debug files in release/debug of the build
# folder, after the suite has passed against exactly those files; `cpack`
# then writes Zentravela-<version>-win32.zip and Zentravela-<version>-win32-debug.zip.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ZV_RELEASE_PLATFORM win32)
else()
  set(ZV_RELEASE_PLATFORM win64)
endif()
set(ZV_RELEASE_NAME Zentravela-${PROJECT_VERSION}-${ZV_RELEASE_PLATFORM})
install(DIRECTORY ${CMAKE_BINARY_DIR}/release/till/ DESTINATION . COMPONENT till)
install(DIRECTORY ${CMAKE_BINARY_DIR}/release/debug/ DESTINATION . COMPONENT debug)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Zentravela)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL till debug)
set(CPACK_ARCHIVE_TILL_FILE_NAME ${ZV_RELEASE_NAME})
set(CPACK_ARCHIVE_DEBUG_FILE_NAME ${ZV_RELEASE_NAME}-debug)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/release)
include(CPack)
