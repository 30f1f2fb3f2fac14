# cmake -DEIN=datei -DAUS=datei.gz -P Packen.cmake: compresses as Debian keeps
# manual pages and change logs (gzip -9n, the same bytes on every build).
get_filename_component(ordner "${AUS}" DIRECTORY)
file(MAKE_DIRECTORY "${ordner}")
execute_process(COMMAND gzip -9nc "${EIN}" OUTPUT_FILE "${AUS}" RESULT_VARIABLE fehler)
if(fehler)
  message(FATAL_ERROR "gzip ${EIN}: ${fehler}")
endif()
