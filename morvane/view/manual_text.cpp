#include "morvane/view/manual_text.h"

namespace morvane {

namespace {

constexpr const char* kStyle = R"(<style>
h1 { color: #234a6b; }
h2 { color: #234a6b; margin-top: 18px; }
h3 { color: #3d5f7d; margin-top: 12px; }
td, th { padding: 2px 8px; }
th { background-color: #dde6ee; text-align: left; }
code, pre { font-family: monospace; }
pre { background-color: #f2f4f6; }
</style>)";

constexpr const char* kGameAndPlay = R"(
<h1>Morvane</h1>
<p>Morvane is a patience game for one player with tiles stacked in layers. Take the tiles off the
board two by two: click two free tiles that match and both leave the board. The game is won when
the board is empty. The clock in the right-hand pane of the status bar counts the time.</p>
<p>Every game comes from a game file (<code>*.RVQ</code>) that holds the arrangement of the tiles,
the tile set, the picture the tiles are drawn from, the sounds and the rules that say when a tile is
free. One game is built in: the default game, with 144 tiles on five layers.</p>
<p><a href="#play">Playing</a> &middot; <a href="#rules">When a tile is free</a> &middot;
<a href="#file">File menu</a> &middot; <a href="#hints">Hints/Cheats menu</a> &middot;
<a href="#design">Design mode</a> &middot; <a href="#hof">Hall of fame</a> &middot;
<a href="#files">Game files</a></p>

<h2><a name="play"></a>Playing</h2>
<p>Click a free tile with the left mouse button: it is marked. Click a second free tile: if the two
match, both leave the board; if not, both marks go. Clicking the marked tile again takes its mark
away. A tile that is not free cannot be marked; the game says so with a sound.</p>
<h3>Which tiles match</h3>
<ul>
<li>The tile set is made of <b>suit groups</b> and <b>individual groups</b>.</li>
<li>Every tile of a suit group is there four times, and a <b>suit tile matches only the same
tile</b>.</li>
<li>Every tile of an individual group is there once, and an <b>individual tile matches any other
member of its group</b>. In the default game, any two of the first four individual tiles match,
and so do any two of the last four.</li>
</ul>
<p>The status bar shows, from left to right, the move rules of the game, the tiles left, how many
tiles on the board are the same as the marked one, and the time.</p>
)";

constexpr const char* kMoveRules = R"(
<h2><a name="rules"></a>When a tile is free</h2>
<p>A tile is free only when no tile of a higher layer lies on it, not even partly. Then the game's
move rules decide; a tile is free when one of the rules that the game allows lets it out:</p>
<table>
<tr><th>Rule</th><th>The tile is free when</th></tr>
<tr><td>Slide Left</td><td>the whole lane to the left of the tile, as far as the board's left edge,
is empty on its layer</td></tr>
<tr><td>Slide Right</td><td>the whole lane to its right, as far as the board's right edge, is
empty</td></tr>
<tr><td>Slide Up</td><td>the whole lane above it, as far as the board's top edge, is empty</td></tr>
<tr><td>Slide Down</td><td>the whole lane below it, as far as the board's bottom edge, is
empty</td></tr>
<tr><td>Lift</td><td>always: every tile that nothing covers can be lifted off</td></tr>
</table>
<p>A slide needs the whole lane to the edge empty, not only the place next to the tile: a tile
anywhere on that side, even half a tile higher or lower, blocks it. The default game allows Slide
Left and Slide Right: a tile is free when nothing lies on it and one of its long sides is open. The
left pane of the status bar shows the rules of the game in play: <code>&lt;</code> left,
<code>^</code> up, <code>O</code> lift, <code>_</code> down, <code>&gt;</code> right.</p>
)";

constexpr const char* kMenuCommands = R"(
<h2><a name="file"></a>File menu</h2>
<table>
<tr><td><b>Load Game</b></td><td>plays a game file chosen from the disk.</td></tr>
<tr><td><b>New Game</b></td><td>deals the tiles of the current game anew.</td></tr>
<tr><td><b>Restart Game</b></td><td>puts every tile back where it lay after the deal and sets the
clock back to 0:00.</td></tr>
<tr><td><b>Default Game</b></td><td>plays the built-in game.</td></tr>
<tr><td><b>Exit</b></td><td>ends Morvane.</td></tr>
</table>

<h2><a name="hints"></a>Hints/Cheats menu</h2>
<table>
<tr><td><b>Undo</b></td><td>puts the last pair back on the board. Undo as often as you
like.</td></tr>
<tr><td><b>Show Moves</b></td><td>marks a pair you could take now. <b>Next</b> and
<b>Previous</b> step through all such pairs, <b>Do it!</b> takes the pair shown and <b>Exit Show
Moves</b> goes back to playing. Every Show Moves adds 30 seconds to your time; when no pair can be
taken the game says "No moves left" and costs you nothing.</td></tr>
<tr><td><b>Set Bookmark 1..4</b></td><td>remembers the position of the game.</td></tr>
<tr><td><b>Go To Bookmark 1..4</b></td><td>takes the game back to that position. A bookmark works
once: going to it clears it. Undoing past a bookmark clears it too.</td></tr>
<tr><td><b>Hall of Fame</b></td><td>shows the ten best times of the current game.</td></tr>
<tr><td><b>Use sound</b></td><td>turns the sounds of the game on or off.</td></tr>
<tr><td><b>Game Design</b></td><td>the commands of design mode, below.</td></tr>
</table>
<p>In the View menu, <b>Full Screen</b> (ALT-F) fills the screen with the board; ALT-F again ends
it.</p>
)";

constexpr const char* kDesignMode = R"(
<h2><a name="design"></a>Design mode</h2>
<p><b>Enter Design Mode</b> shows the arrangement of the current game as tile spaces on a grid of
40 by 40 half tiles, and lets you change it. The status bar shows the column, row and stack height
under the mouse and the number of tile spaces.</p>
<ul>
<li><b>Insert mode</b>: a left click adds a tile space. A space next to or on top of another goes
one layer higher, up to eight layers.</li>
<li><b>Remove mode</b>: a left click takes away the topmost space that starts at the clicked
place.</li>
<li>The <b>right button</b> does the other of the two for one click.</li>
<li><b>Shift</b> right, left, up or down moves the whole arrangement by half a tile; spaces pushed
over the edge are lost.</li>
<li><b>Clear Board</b> removes every space at once.</li>
<li><b>Edit Settings</b> opens the Game Settings: whether the tile set, the tile picture, the sounds
and the arrangement are the built-in ones or your own, and the move rules. Custom Tile Set Settings
sets the number and size of the suit and individual groups and shows how many tiles they make;
Custom Bitmap Settings names the picture and the size of one tile in it; Custom Sound Settings names
a sound for each event, each with a Test button. With Save Path checked a Change button keeps the
whole path of the file, otherwise only its name, which is then looked for beside the game
file.</li>
<li><b>Save Game</b> writes the game to a game file. Saving over a file replaces it, and with it
its hall of fame.</li>
<li><b>Exit Design Mode</b> starts a game on the new arrangement. When the tile set makes fewer
tiles than there are spaces ("Not enough tiles") or more ("Too Many tiles"), a warning lets you go
back and change it; a game with too many tiles cannot be won, and one with too few cannot be dealt.
The new game has no hall of fame until you save it and load it again.</li>
</ul>
)";

constexpr const char* kHallOfFame = R"(
<h2><a name="hof"></a>Hall of fame</h2>
<p>Every game file keeps the ten best times won on it, with the names of the players and an
authentication number beside each. The built-in game keeps its own in <code>MORVAN.INI</code> in
Morvane's settings folder. When your time is good enough, the game asks for your name: type it
and press Enter. Otherwise it shows your time and offers to view the hall of fame.</p>
)";

constexpr const char* kGameFiles = R"(
<h2><a name="files"></a>Game files</h2>
<p>A game file is a text file of sections in square brackets and <code>KEY=value</code> lines.
Flags are 1 or 0.</p>
<table>
<tr><th>Section</th><th>Keys</th></tr>
<tr><td><code>GAME</code></td><td><code>MOVELEFT</code>, <code>MOVERIGHT</code>, <code>MOVEUP</code>,
<code>MOVEDOWN</code>, <code>MOVELIFT</code>: the move rules. Without them the four slides are
allowed and lifting is not.</td></tr>
<tr><td><code>LAYOUT</code></td><td><code>DEFAULT=1</code> for the built-in arrangement; otherwise
<code>HLIMIT</code> and <code>VLIMIT</code>, the highest column and row in use, and one key
<code>ROWyyzz</code> per row <i>yy</i> of layer <i>zz</i> (layer 00 lies on the table), a string of
<code>0</code> and <code>1</code> with one character per column, <code>1</code> for a tile space. A
tile covers two columns and two rows, so tiles side by side are two columns apart.</td></tr>
<tr><td><code>TILE</code></td><td><code>FILE</code>, the tile picture, or <code>DEFAULT</code> for
the built-in one; <code>WIDTH</code>, <code>HEIGHT</code> and <code>DEPTH</code>, the size of one
tile in the picture and of its edge. <code>DEFAULT=1</code> for the built-in tile set; otherwise
<code>SUITS</code> and <code>INDIS</code>, the numbers of suit and individual groups, and
<code>SUITSIZE00</code> to <code>SUITSIZE09</code> (suit groups), <code>SUITSIZE10</code> to
<code>SUITSIZE19</code> (individual groups), the number of tiles in each group.</td></tr>
<tr><td><code>SOUND</code></td><td><code>DEFAULT=1</code> for the built-in sounds; otherwise the wave
files <code>SELECT</code>, <code>DESELECT</code>, <code>MATCH</code>, <code>UNFREE</code>,
<code>MISMATCH</code> and <code>WON</code>.</td></tr>
<tr><td><code>HOF</code></td><td>the hall of fame: <code>NAME1</code>..<code>NAME10</code>,
<code>TIME1</code>..<code>TIME10</code> in seconds and <code>AUTH1</code>..<code>AUTH10</code>;
written by the game.</td></tr>
</table>
<p>A small game: eight tiles in one row, with the built-in picture and sounds, leaving to the
left or the right:</p>
<pre>
[GAME]
MOVELEFT=1
MOVERIGHT=1
MOVEUP=0
MOVEDOWN=0
MOVELIFT=0

[LAYOUT]
HLIMIT=14
VLIMIT=0
ROW0000=101010101010101

[TILE]
FILE=DEFAULT
SUITS=2
INDIS=0
SUITSIZE00=1
SUITSIZE01=1

[SOUND]
DEFAULT=1
</pre>
<p>Two suit groups of one tile each make eight tiles, four of each kind, for the eight spaces of
the row.</p>
)";

}  // namespace

std::string manualHtml() {
    std::string html = kStyle;
    for (const char* part : {kGameAndPlay, kMoveRules, kMenuCommands, kDesignMode, kHallOfFame, kGameFiles}) {
        html += part;
    }
    return html;
}

}  // namespace morvane
