# The two downloads a Windows user chooses between, side by side in the build folder: the portable zip and the
# setup. Both are made from one staged folder, so they hold the same program file, manual and read-me.
# Included from src/CMakeLists.txt, where the program target and the manual's files are known.

set(download_name TarvelleRename-${PROJECT_VERSION})
set(dist ${CMAKE_BINARY_DIR}/dist/${download_name})
set(dist_stamp ${CMAKE_BINARY_DIR}/dist/staged.stamp)
set(zip_file ${CMAKE_BINARY_DIR}/${download_name}-win64.zip)
set(setup_file ${CMAKE_BINARY_DIR}/${download_name}-setup.exe)

# The read-me is for Notepad: UTF-8 with a byte-order mark and CR LF line ends, which every Windows text viewer reads.
set(readme_source ${CMAKE_SOURCE_DIR}/data/LISEZMOI.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme_source})
file(READ ${readme_source} readme_body)
string(ASCII 239 187 191 utf8_mark)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/LISEZMOI.txt CONTENT "${utf8_mark}${readme_body}" @ONLY NEWLINE_STYLE CRLF)

add_custom_command(OUTPUT ${dist_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${dist}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${dist}/DataFiles
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:TarvelleRename> ${CMAKE_BINARY_DIR}/LISEZMOI.txt ${dist}/
  COMMAND ${CMAKE_COMMAND} -E copy ${help_chm} ${help_txt} ${dist}/DataFiles/
  COMMAND ${CMAKE_COMMAND} -E touch ${dist_stamp}
  DEPENDS TarvelleRename ${help_chm} ${help_txt} ${CMAKE_BINARY_DIR}/LISEZMOI.txt
  COMMENT "Staging the downloads' files"
  VERBATIM)

add_custom_command(OUTPUT ${zip_file}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip_file}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/dist ${CMAKE_COMMAND} -E tar cf ${zip_file} --format=zip
          ${download_name}
  DEPENDS ${dist_stamp}
  COMMENT "Packing ${download_name}-win64.zip"
  VERBATIM)
add_custom_target(package_zip ALL DEPENDS ${zip_file})

# The setup: Debian's NSIS, 64-bit French installer.
find_program(MAKENSIS makensis REQUIRED)
set(setup_icon ${CMAKE_SOURCE_DIR}/src/resources/pictures/app.ico)
configure_file(${CMAKE_SOURCE_DIR}/data/setup/Setup.nsi.in ${CMAKE_BINARY_DIR}/Setup.nsi @ONLY)
add_custom_command(OUTPUT ${setup_file}
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 ${CMAKE_BINARY_DIR}/Setup.nsi
  DEPENDS ${dist_stamp} ${CMAKE_BINARY_DIR}/Setup.nsi ${setup_icon}
  COMMENT "Making ${download_name}-setup.exe"
  VERBATIM)
add_custom_target(package_setup ALL DEPENDS ${setup_file})
