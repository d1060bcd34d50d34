# Run by CPack after it has made the packages, while they are still in its
# work folder: NAME.zip.sha256 goes where the package lands, in the
# "hash  file name" form that sha256sum -c reads.
foreach(package ${CPACK_PACKAGE_FILES})
  file(SHA256 ${package} hash)
  get_filename_component(name ${package} NAME)
  file(WRITE ${CPACK_PACKAGE_DIRECTORY}/${name}.sha256 "${hash}  ${name}\n")
endforeach()
