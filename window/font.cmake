# The glyphs of the text page: the standard VGA 8 x 16 font of code page 437, turned at
# build time from the console font of Debian's console-data package into a generated
# source of the window's frame library. No font data lives in the source tree.
#
# Included from window/CMakeLists.txt, this file adds the build rule; run with
# `cmake -P`, it is the converter itself (PSF = the .psf.gz font, OUT = the source).

if(CMAKE_SCRIPT_MODE_FILE)
  # --- The converter ----------------------------------------------------------------
  find_program(gzip_program gzip REQUIRED)
  execute_process(COMMAND ${gzip_program} -dc ${PSF} OUTPUT_FILE ${OUT}.psf
                  RESULT_VARIABLE unpacked)
  if(NOT unpacked EQUAL 0)
    message(FATAL_ERROR "cannot unpack the console font ${PSF}")
  endif()
  file(READ ${OUT}.psf font HEX)
  file(REMOVE ${OUT}.psf)

  # A PSF1 font: magic 36 04, a mode byte, the glyph height, then the glyphs, then
  # (mode bit 1) a table of the Unicode characters each glyph shows.
  string(SUBSTRING "${font}" 0 4 magic)
  string(SUBSTRING "${font}" 4 2 mode_hex)
  string(SUBSTRING "${font}" 6 2 height_hex)
  math(EXPR mode "0x${mode_hex}")
  math(EXPR height "0x${height_hex}")
  math(EXPR has_512 "${mode} & 1")
  math(EXPR has_table "${mode} & 2")
  if(NOT magic STREQUAL "3604" OR NOT height EQUAL 16 OR has_512)
    message(FATAL_ERROR "${PSF} is not a PSF1 font of 256 glyphs of 8 x 16 pixels")
  endif()
  string(SUBSTRING "${font}" 8 8192 glyphs)
  string(LENGTH "${glyphs}" glyph_digits)
  if(NOT glyph_digits EQUAL 8192)
    message(FATAL_ERROR "${PSF} is cut short")
  endif()

  # The glyph order must be that of code page 437. With a Unicode table, a few
  # landmark glyphs prove it: the smiling face, the house, letters, block and box
  # drawing characters.
  if(has_table)
    string(SUBSTRING "${font}" 8200 -1 table)
    string(LENGTH "${table}" table_digits)
    set(glyph 0)
    set(chars "")
    set(at 0)
    while(at LESS table_digits AND glyph LESS 256)
      string(SUBSTRING "${table}" ${at} 4 word)
      string(SUBSTRING "${word}" 2 2 high)
      string(SUBSTRING "${word}" 0 2 low)
      math(EXPR at "${at} + 4")
      if("${high}${low}" STREQUAL "ffff")
        set(glyph_chars_${glyph} "${chars}")
        math(EXPR glyph "${glyph} + 1")
        set(chars "")
      else()
        string(TOUPPER "${high}${low}" code)
        list(APPEND chars ${code})
      endif()
    endwhile()
    foreach(landmark IN ITEMS 1:263A 3:2665 65:0041 97:0061 127:2302 130:00E9 176:2591
                              179:2502 196:2500 201:2554 218:250C 219:2588 225:00DF 227:03C0)
      string(REPLACE ":" ";" pair ${landmark})
      list(GET pair 0 index)
      list(GET pair 1 expected)
      list(FIND glyph_chars_${index} ${expected} found)
      if(found EQUAL -1)
        message(FATAL_ERROR "${PSF}: glyph ${index} is not U+${expected}; "
                            "the glyphs are not in code page 437 order")
      endif()
    endforeach()
  endif()

  string(SUBSTRING "${glyphs}" 0 32 first_glyph)
  string(SUBSTRING "${glyphs}" 8160 32 last_glyph)
  if(NOT first_glyph MATCHES "^0+$" OR NOT last_glyph MATCHES "^0+$")
    message(FATAL_ERROR "${PSF}: glyphs 0 and 255 are not blank")
  endif()

  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," rows "${glyphs}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n" rows "${rows}")
  file(WRITE ${OUT}
       "// Generated at build time from ${PSF}; do not edit.\n"
       "#include \"window/font.h\"\n\n"
       "namespace window {\n\n"
       "const std::array<std::uint8_t, kGlyphCount * kGlyphHeight> VGA_GLYPH_ROWS = {\n"
       "${rows}};\n\n"
       "}  // namespace window\n")
  return()
endif()

# --- The build rule -------------------------------------------------------------------
set(DATACARD_FONT_FILE /usr/share/consolefonts/default8x16.psf.gz
    CACHE FILEPATH "The VGA 8x16 code page 437 console font (Debian's console-data)")
if(NOT EXISTS ${DATACARD_FONT_FILE})
  message(FATAL_ERROR "${DATACARD_FONT_FILE} is missing: install console-data (scripts/setup)")
endif()
set(datacard_font_source ${CMAKE_BINARY_DIR}/generated/vga_font.cpp)
add_custom_command(
  OUTPUT ${datacard_font_source}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${CMAKE_COMMAND} -DPSF=${DATACARD_FONT_FILE} -DOUT=${datacard_font_source}
          -P ${CMAKE_CURRENT_LIST_FILE}
  DEPENDS ${DATACARD_FONT_FILE} ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Converting the VGA console font"
  VERBATIM)
target_sources(window_frame PRIVATE ${datacard_font_source})
