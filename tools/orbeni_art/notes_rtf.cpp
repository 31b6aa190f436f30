#include "notes_rtf.h"

namespace orbeni_art {

std::string_view notesRtf() {
    return R"rtf({\rtf1\ansi\deff0
{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}}
{\colortbl;\red0\green0\blue128;\red160\green20\blue20;}
\viewkind4\uc1\pard\sa120\f0\fs20
{\cf1\b\fs32 Orbeni notes}\par
{\cf2\b\fs24 How to play}\par
The tiles are stacked in up to five layers. Click two matching tiles that are both free to take them off the board; clear the whole heap to win. A tile is free when nothing lies on it and it can slide out to the left or to the right (with {\i Vertical Variation}: upwards or downwards). Click a selected tile again to put it back.\par
Craks, bamboos, dots, winds and dragons match when they are the same tile (four of each). The four flowers match each other, and so do the four seasons. The {\i Tiles} page of this help window shows every face.\par
{\b Back} takes the last pair back, {\b Hint} shows a pair you can take (it costs time), {\b Shuffle} mixes the tiles left (it costs time too), {\b Pause} stops the clock and hides the board. The status bar counts the tiles and the moves left.\par
{\cf2\b\fs24 The two modes}\par
{\b Mah-Jongg Solitaire} deals the 144 tiles on the current layout: a fully random game, a random specific game or a specific game whose number you choose (the same number always deals the same board). {\i Winnable Layouts} deals only boards that can be cleared in at least one way.\par
{\b Mah-Jongg Rivers} lays 84 tiles flat in a rectangle. Two matching tiles go when they can be joined by a line of at most three straight segments that runs only through empty places: the river between them.\par
Each layout, and Rivers, has its own hall of fame of the ten best times, shown in the side panel and under {\b Hall of Fame}. A game stops after 100 minutes.\par
{\cf2\b\fs24 Options}\par
{\b Play}: Player Name, Delete Scores, Vertical Variation, Random Seed.\par
{\b View}: Invert selection, Cool Status, Cool Mouse, Cool Toolbar, Show Time Left, Show Moves Left, Show Hall of Fame, Show Status Bar, Show Toolbar.\par
{\b Highlight}: how the tile under the pointer is shown (None, a red, green or blue rectangle, or a coloured tile), Show Current Tile in the side panel, and Only possible moves.\par
{\b Background} and {\b Tileset}: the built-in pictures or your own bitmap files ({\i Load from disk}).\par
{\b Layout}: the layouts of the {\f1 Layouts} folder; {\i Create Layout} and {\i Edit Layout} open the layout editor.\par
{\b Music}: the pieces of the {\f1 Musics} folder, and Random Music to move to another piece when one ends.\par
{\b Configuration}: winnable deals and shuffles, time tracking for the hall of fame, animations, music and sound effects, 800x600 at startup, and a new game at startup.\par
{\cf2\b\fs24 Files and folders}\par
Beside the program:\par
\pard\li360\sa60{\f1 Orbeni.ini} \endash  your settings, written when the program closes.\par
{\f1 Hallfame.ini} \endash  the halls of fame.\par
{\f1 Layouts\\} \endash  the layouts ({\f1 .lay} and {\f1 .shp} files).\par
{\f1 Tilesets\\} \endash  tileset bitmaps: {\f1 pai.bmp}, {\f1 darkpai.bmp}, {\f1 bluepai.bmp}.\par
{\f1 Backgrounds\\} \endash  {\f1 andromeda.bmp}, {\f1 dragons.bmp}, {\f1 kanji.bmp}.\par
{\f1 Musics\\} \endash  the MIDI pieces ({\f1 .mid}).\par
{\f1 select.wav}, {\f1 noway.wav}, {\f1 done.wav} \endash  the sound effects; {\f1 hof.bmp} \endash  the side panel's picture.\par
\pard\sa120 A tileset of your own is a bitmap of at least 369 x 567 pixels laid out like {\f1 pai.bmp}: the 42 face pictures on a grid of 41 x 51 pixels, the blank tile, the selected and hinted face backgrounds, the tile mask, and under them the face masks. A background smaller than 704 x 468 pixels is repeated across the board.\par
}
)rtf";
}

}  // namespace orbeni_art
