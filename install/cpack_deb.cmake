# One Debian package per game, with the libraries it links found by dpkg-shlibdeps and the
# packages it opens at run time named by hand: the window system plugins, the fonts it draws its
# texts in and, for orbeni's music, the General MIDI sound font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_VENDOR "Tile games")
set(CPACK_PACKAGE_CONTACT ${TILEGAMES_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${TILEGAMES_PROGRAMS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

set(runtime_packages "qt6-qpa-plugins, fonts-dejavu-core")
foreach(program IN LISTS TILEGAMES_PROGRAMS)
  string(TOUPPER ${program} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${program})
  set(CPACK_DEBIAN_${upper}_PACKAGE_DEPENDS ${runtime_packages})
endforeach()
string(APPEND CPACK_DEBIAN_ORBENI_PACKAGE_DEPENDS ", timgm6mb-soundfont")

set(CPACK_COMPONENT_ORBENI_DESCRIPTION "Mah-Jongg solitaire with layouts, tilesets and music
Take matching pairs of free tiles off a heap of 144 tiles on up to five
layers. Deals are random, numbered or winnable; there are shuffle, undo
and hints, a hall of fame per layout, a second mode, Rivers, with 84 flat
tiles joined by paths, a layout editor, tilesets, backgrounds, sound
effects and MIDI music.")
set(CPACK_COMPONENT_MORVANE_DESCRIPTION "layered tile-matching game played from game files
Take matching free tiles off a layered heap. Each .RVQ game file holds
the layout, the tile set, the sounds and the move rules. A design mode
builds new layouts; show moves, undo, four bookmarks and a hall of fame
per game help along.")
set(CPACK_COMPONENT_POCKETQUILLET_DESCRIPTION "small-screen stone-matching game on an 18 x 8 board
Two stones go when they can leave the board to the same side or meet
along a free path. Solitaire, Tournament and two-player Challenge
against a friend or the computer, three skill levels, rounds with time
limits and a hiscore table, in English and German.")

include(CPack)
