# The Windows programs travel on a floppy disk: a release build is optimised for size and drops
# every function and datum that nothing calls. The shipped copies are also stripped (scripts/package).
if(WIN32)
  add_compile_options($<$<CONFIG:Release>:-Os> $<$<CONFIG:Release>:-ffunction-sections>
                      $<$<CONFIG:Release>:-fdata-sections>)
  add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections>)
endif()
