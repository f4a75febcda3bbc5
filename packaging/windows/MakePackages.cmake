# Lays out the Windows folder, zips it, and wraps it in the per-user installer (run by target windows_package).
#
#   cmake -DBUILD_DIR=… -DCOMPONENT=… -DNAME=… -DVERSION=… -DMAKENSIS=… -DSCRIPT=… -DICON=… -P MakePackages.cmake
foreach(variable BUILD_DIR COMPONENT NAME VERSION SCRIPT ICON)
    if(NOT ${variable})
        message(FATAL_ERROR "MakePackages.cmake needs -D${variable}=")
    endif()
endforeach()
if(NOT MAKENSIS)
    message(FATAL_ERROR "makensis is missing (Debian package nsis)")
endif()

set(stage ${BUILD_DIR}/windows-package)
set(folder ${stage}/${NAME})
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --component ${COMPONENT} --prefix ${folder} --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(REMOVE ${BUILD_DIR}/${NAME}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${BUILD_DIR}/${NAME}.zip --format=zip ${NAME}
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)

# The installer names every file it installs, so that the uninstaller removes exactly those and never a
# folder's other contents, wherever the user put it.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${folder} ${folder}/*)
list(SORT files)
set(install_lines "")
set(uninstall_lines "")
set(folders "")
set(current_folder "-")
set(installed_bytes 0)
foreach(file IN LISTS files)
    file(SIZE ${folder}/${file} bytes)
    math(EXPR installed_bytes "${installed_bytes} + ${bytes}")
    get_filename_component(sub ${file} DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_sub "${sub}")
    if(NOT sub STREQUAL current_folder)
        set(current_folder "${sub}")
        if(sub)
            string(APPEND install_lines "SetOutPath \"$INSTDIR\\${windows_sub}\"\n")
            list(APPEND folders "${windows_sub}")
        else()
            string(APPEND install_lines "SetOutPath \"$INSTDIR\"\n")
        endif()
    endif()
    string(APPEND install_lines "File \"${folder}/${file}\"\n")
    string(APPEND uninstall_lines "Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(sub IN LISTS folders)
    string(APPEND uninstall_lines "RMDir \"$INSTDIR\\${sub}\"\n")
endforeach()
file(WRITE ${stage}/install-files.nsh "${install_lines}")
file(WRITE ${stage}/uninstall-files.nsh "${uninstall_lines}")

math(EXPR size_kib "(${installed_bytes} + 1023) / 1024")
execute_process(
    COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DOUTFILE=${BUILD_DIR}/${NAME}-setup.exe -DICON=${ICON}
            -DFILES=${stage}/install-files.nsh -DUNFILES=${stage}/uninstall-files.nsh -DSIZE_KIB=${size_kib}
            ${SCRIPT}
    COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Windows packages: ${BUILD_DIR}/${NAME}.zip, ${BUILD_DIR}/${NAME}-setup.exe")
