# Translates UEBERSETZER's XML into AUSGABE and compares it byte for byte with ERWARTET.
execute_process(COMMAND ${UEBERSETZER} ${XML} ${AUSGABE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "pap_uebersetzen ${XML}: Status ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${AUSGABE} ${ERWARTET}
                RESULT_VARIABLE verschieden)
if(verschieden)
    file(READ ${AUSGABE} erhalten)
    message(FATAL_ERROR "${AUSGABE} weicht von ${ERWARTET} ab:\n${erhalten}")
endif()
