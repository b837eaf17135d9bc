# The user manual, docs/manual.ja.md, as the plain text that the downloads carry: without its
# picture, which a text file cannot show, its headings as a text viewer shows them well
# (【1. …】 for a section, ■ for a part of one), and its lines as they are written. The source
# ends each line inside a paragraph with a backslash, Markdown's line break: a renderer
# otherwise joins the short lines of Japanese text with a stray space. On Windows the text has
# CR LF line ends behind a UTF-8 byte order mark, by which Notepad tells UTF-8 from the ANSI
# code page in every version of Windows 10 and 11.
#
#   mirt2_plain_manual(OUTPUT [WINDOWS])
function(mirt2_plain_manual output)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WINDOWS" "" "")
  set(source ${PROJECT_SOURCE_DIR}/docs/manual.ja.md)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  # A release whose manual's history does not name it would ship a manual that lies.
  string(FIND "${text}" "\n- ${PROJECT_VERSION}（" entry)
  if(entry EQUAL -1)
    message(FATAL_ERROR "docs/manual.ja.md: its 更新履歴 has no entry for ${PROJECT_VERSION}")
  endif()
  # The addresses it gives are the project's.
  foreach(address IN ITEMS "${MIRT2_HOMEPAGE}\n" "${MIRT2_HOMEPAGE}/issues\n")
    string(FIND "${text}" "${address}" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "docs/manual.ja.md does not give the project's address ${address}")
    endif()
  endforeach()
  string(REGEX REPLACE "\n!\\[[^\n]*\n\n" "\n" text "${text}")
  string(REGEX REPLACE "\\\\\n" "\n" text "${text}")
  string(REGEX REPLACE "^# " "" text "${text}")
  string(REGEX REPLACE "\n## ([^\n]*)" "\n【\\1】" text "${text}")
  string(REGEX REPLACE "\n### ([^\n]*)" "\n■ \\1" text "${text}")
  set(bom "")
  if(arg_WINDOWS)
    string(REPLACE "\n" "\r\n" text "${text}")
    string(ASCII 239 187 191 bom)
  endif()
  file(WRITE ${output} "${bom}${text}")
endfunction()
