# Run by cpack between staging the files and building the package. The staged
# folders were made under the umask of whoever runs cpack (rwx------ under
# umask 077); in the package every folder is rwxr-xr-x, as in Debian's own.
# The files need nothing: install() gives them their modes.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
set(folders "${CPACK_TEMPORARY_DIRECTORY}")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
    list(APPEND folders "${entry}")
  endif()
endforeach()
file(CHMOD ${folders} DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
