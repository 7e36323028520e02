# Run at install time: writes the menu entry with the full path of the installed program.
# In: STANDWISE_DESKTOP_IN, STANDWISE_DESKTOP_OUT, STANDWISE_BINDIR (below the prefix, or absolute).
if(IS_ABSOLUTE "${STANDWISE_BINDIR}")
    set(program "${STANDWISE_BINDIR}/standwise")
else()
    set(program "${CMAKE_INSTALL_PREFIX}/${STANDWISE_BINDIR}/standwise")
endif()
# Exec= takes a path with blanks or shell characters only in double quotes, with \ " ` $ escaped
# by a backslash, and then every backslash doubled as in any text of the file.
if(program MATCHES "[^A-Za-z0-9_./+-]")
    string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" quoted "${program}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    set(STANDWISE_EXECUTABLE "\"${quoted}\"")
else()
    set(STANDWISE_EXECUTABLE "${program}")
endif()
configure_file("${STANDWISE_DESKTOP_IN}" "${STANDWISE_DESKTOP_OUT}" @ONLY)
