# Run by CPack after it has made the packages, while they are still in its
# work folder: NAME.zip.sha256 goes where the package lands, in the
# "hash  file name" form that sha256sum -c reads. The installer is made then
# from the folder the zip was made of, and lands beside the zip.
foreach(package ${CPACK_PACKAGE_FILES})
  file(SHA256 ${package} hash)
  get_filename_component(name ${package} NAME)
  file(WRITE ${CPACK_PACKAGE_DIRECTORY}/${name}.sha256 "${hash}  ${name}\n")
endforeach()
if(CPACK_SORVANE_INSTALLER_COMMAND)
  execute_process(COMMAND ${CPACK_SORVANE_INSTALLER_COMMAND} --stage ${CPACK_TEMPORARY_DIRECTORY}
                  --output ${CPACK_SORVANE_MSI} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "The installer ${CPACK_SORVANE_MSI} could not be made")
  endif()
endif()
