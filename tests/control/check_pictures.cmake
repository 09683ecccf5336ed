# Regenerates the control's pictures into OUT and compares them with the committed ones in ASSETS.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_control_pictures failed: ${result}")
endif()
foreach(picture calendar_toolbox.bmp calendar_design.bmp)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${picture} ${ASSETS}/${picture}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${picture} differs from what make_control_pictures writes")
  endif()
endforeach()
