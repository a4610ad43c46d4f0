# Holds every place that names the release to the version of CMakeLists.txt:
# NEWS starts with it, the metainfo tells the same releases with the same
# dates in the short form a software centre shows (a paragraph, then at most
# five short items), its screenshots are the committed ones of that release,
# the manual page is the one of it, and the Debian changelog packages it.
#   cmake -DVERSION=<x.y.z> -DSOURCE=<source folder> -P check_version.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(complain what)
  string(APPEND failures "  ${what}\n")
endmacro()

# Whitespace runs made one space, none at either end.
function(squeeze out text)
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(STRIP "${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# NEWS: "Version x.y.z, YYYY-MM-DD" heads each entry; each comes out as
# "x.y.z YYYY-MM-DD".
file(STRINGS ${SOURCE}/NEWS headings REGEX "^Version [0-9.]+, [0-9-]+$")
set(news_releases "")
foreach(line IN LISTS headings)
  string(REGEX REPLACE "^Version ([0-9.]+), ([0-9-]+)$" "\\1 \\2" line "${line}")
  list(APPEND news_releases "${line}")
endforeach()

list(LENGTH news_releases count)
if(count EQUAL 0)
  complain("NEWS has no entry")
else()
  list(GET news_releases 0 newest)
  if(NOT newest MATCHES "^${VERSION} ")
    complain("NEWS starts with \"${newest}\", not version ${VERSION}")
  endif()
endif()

# The metainfo's releases as "x.y.z YYYY-MM-DD", and the form of their notes:
# an older validator refuses notes that do not open with a paragraph, and a
# store shows no more than a few lines.
file(READ ${SOURCE}/packaging/pernoka.metainfo.xml.in metainfo)
squeeze(metainfo "${metainfo}")
# A list made of the text between the ends of the releases.
string(REPLACE ";" "," metainfo "${metainfo}")
string(REPLACE "</release>" ";" metainfo_pieces "${metainfo}")
set(metainfo_releases "")
foreach(block IN LISTS metainfo_pieces)
  string(FIND "${block}" "<release " start)
  if(start EQUAL -1)
    continue()
  endif()
  string(SUBSTRING "${block}" ${start} -1 block)
  if(NOT block MATCHES "version=\"([^\"]+)\"")
    complain("a metainfo release without a version: ${block}")
    continue()
  endif()
  set(entry "${CMAKE_MATCH_1}")
  if(block MATCHES "date=\"([^\"]+)\"")
    string(APPEND entry " ${CMAKE_MATCH_1}")
  endif()
  list(APPEND metainfo_releases "${entry}")
  if(NOT block MATCHES "<description> <p>")
    complain("the notes of ${entry} do not open with a paragraph")
  endif()
  string(REGEX MATCHALL "<li>[^<]*</li>" items "${block}")
  list(LENGTH items item_count)
  if(item_count GREATER 5)
    complain("the notes of ${entry} have ${item_count} items, more than five")
  endif()
  foreach(item IN LISTS items)
    string(REGEX REPLACE "^<li>(.*)</li>$" "\\1" item "${item}")
    string(LENGTH "${item}" length)
    if(length GREATER 80)
      complain("an item of ${entry} is longer than 80 characters: ${item}")
    endif()
  endforeach()
endforeach()
if(NOT news_releases STREQUAL metainfo_releases)
  complain("the metainfo's releases are ${metainfo_releases}, NEWS's ${news_releases}")
endif()

# The screenshots: published with the release, so their addresses name it,
# and each is a file of packaging/screenshots of the size the metainfo gives,
# as wide as AppStream asks (620) and no larger than a listing shows; the
# folder holds no other.
string(REGEX MATCHALL "<image [^>]*>[^<]*</image>" images "${metainfo}")
set(shown "")
if(NOT images)
  complain("the metainfo shows no screenshot")
endif()
foreach(image IN LISTS images)
  if(NOT image MATCHES "width=\"([0-9]+)\" height=\"([0-9]+)\">@PERNOKA_RELEASES@([^/<]+)/screenshots/([^/<]+)<")
    complain("a screenshot without its size or the release's address: ${image}")
    continue()
  endif()
  set(width ${CMAKE_MATCH_1})
  set(height ${CMAKE_MATCH_2})
  set(file ${SOURCE}/packaging/screenshots/${CMAKE_MATCH_4})
  list(APPEND shown ${CMAKE_MATCH_4})
  if(NOT CMAKE_MATCH_3 STREQUAL VERSION)
    complain("the screenshot ${CMAKE_MATCH_4} is published with release ${CMAKE_MATCH_3}")
  endif()
  if(NOT EXISTS ${file})
    complain("no ${file}")
    continue()
  endif()
  # A PNG's size: two big-endian words after the signature and the IHDR
  # chunk's length and type.
  file(READ ${file} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 png_width)
  string(SUBSTRING "${header}" 8 8 png_height)
  math(EXPR png_width "0x${png_width}")
  math(EXPR png_height "0x${png_height}")
  if(NOT png_width EQUAL width OR NOT png_height EQUAL height)
    complain("${file} is ${png_width} × ${png_height}, the metainfo says ${width} × ${height}")
  endif()
  if(png_width LESS 620 OR png_width GREATER 1000 OR png_height GREATER 700)
    complain("${file} is ${png_width} × ${png_height}: a listing wants 620 to 1000 × at most 700")
  endif()
endforeach()
file(GLOB committed RELATIVE ${SOURCE}/packaging/screenshots ${SOURCE}/packaging/screenshots/*)
list(SORT committed)
list(SORT shown)
if(NOT committed STREQUAL shown)
  complain("packaging/screenshots holds ${committed}, the metainfo shows ${shown}")
endif()

# The manual page: .TH PERNOKA 6 <date> "pernoka x.y.z" …
file(STRINGS ${SOURCE}/packaging/pernoka.6 title REGEX "^\\.TH ")
if(NOT title MATCHES "\"pernoka ${VERSION}\"")
  complain("the manual page's title line is ${title}")
endif()

# The Debian changelog, where the source tree has one: in a release tarball
# it is only the debian/ a packager adds.
foreach(changelog ${SOURCE}/packaging/debian/changelog ${SOURCE}/debian/changelog)
  if(EXISTS ${changelog})
    file(STRINGS ${changelog} first LIMIT_COUNT 1)
    if(NOT first MATCHES "^pernoka \\(${VERSION}-[0-9]+\\) ")
      complain("${changelog} starts with \"${first}\", not a package of ${VERSION}")
    endif()
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "The release is not ${VERSION} everywhere:\n${failures}")
endif()
message(STATUS "version ${VERSION}: NEWS, metainfo, screenshots, manual page and changelog agree")
