#include "tools/starter/help_text.h"

#include <span>
#include <string_view>

#include "gamebuild/screen_layout.h"

namespace starter {

namespace {

constexpr const char* kStyle = R"(<style>
body { font-family: sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.45;
       color: #222; background: #fbfaf7; }
h1 { color: #8a2a10; border-bottom: 3px solid #d08030; }
h2 { color: #8a2a10; margin-top: 2em; border-bottom: 1px solid #e0c8a8; }
code, kbd { background: #efe9df; padding: 0 0.25em; border-radius: 3px; }
table { border-collapse: collapse; margin: 0.5em 0 1em; }
th, td { border: 1px solid #d8cfc0; padding: 0.25em 0.6em; text-align: left; vertical-align: top; }
th { background: #efe6d8; }
img { display: block; margin: 0.6em 0; border: 1px solid #888; image-rendering: pixelated; }
.note { background: #fff4dc; border-left: 4px solid #d08030; padding: 0.4em 0.8em; }
nav a { margin-right: 1em; }
</style>)";

constexpr const char* kBody = R"(
<h1>Tarnwick user guide</h1>
<p>Tarnwick is an editor for first-person maze shooters. You paint up to 20 levels on a grid of
64 by 64 blocks, give the game its pictures, sounds and rules, and Create Game writes a game
that runs on its own: an executable and the data file <code>game.pak</code> beside it.</p>
<nav><a href="#start">Getting started</a> <a href="#levels">Levels</a> <a href="#pictures">Pictures</a>
<a href="#screens">Screen bitmaps</a> <a href="#sounds">Sounds</a> <a href="#settings">Settings</a>
<a href="#create">Create Game</a> <a href="#import">Import game.pak</a> <a href="#messages">Limits and messages</a></nav>

<h2 id="start">Getting started: the sample game</h2>
<p>The program folder comes with a complete sample game, <em>Ember Keep</em>: three levels, 40 wall
textures, five enemies, ten sprites, six weapons, sounds and music. Everything belongs to the
<b>workspace</b>, the folder <code>twksys</code> beside the editor, as many small files with fixed names.
There is no project file: every command reads and writes those files straight away.</p>
<img src="introscreen.png" alt="The intro screen of the sample game" width="640">
<p>To try it at once:</p>
<ol>
<li>Choose <b>World &gt; LoadWorld</b>, type <kbd>1</kbd> and press <b>load</b>. The map shows the gatehouse level.</li>
<li>Choose <b>Game &gt; CreateGame</b> and pick a place and a name for the game.</li>
<li>Choose <b>Game &gt; ExecuteGame</b> to play it.</li>
</ol>
<p class="note">Create Game only runs when the level on screen is saved or was just loaded. A fresh
world after start-up or <b>World &gt; New</b> counts as unsaved, so load or save a level first.</p>

<h2 id="levels">Painting levels</h2>
<p>The left side of the main window is the tool palette, the right side the map of the current level,
25 by 25 pixels a block. Scroll the map with the arrow buttons under the palette, the arrow keys or the
mouse wheel, or drag it with the left mouse button while no tool is held.</p>
<img src="level1.png" alt="The first sample level as the map shows it">
<p>The first sample level, the gatehouse: brick halls, a courtyard with pillars and lamps, store rooms
with the key, and the green exit door at the bottom right. The blue dot is the player's start.
The second level (the cellars: wooden store rooms, a crypt and a forge) and the third (the keep: metal
halls, machine rooms with animated consoles and a throne hall) look like this:</p>
<img src="level2.png" alt="The second sample level">
<img src="level3.png" alt="The third sample level">
<ul>
<li><b>Place:</b> click a picture in the palette to pick it as the tool, then paint cells with the left
button. Hold the button and move to paint many cells. The player start is placed once per pick, and
only while the level has none ("Player position has been defined already").</li>
<li><b>Erase:</b> the right button empties the cell under the cursor (sweep to erase many) and drops the
tool. <kbd>Esc</kbd> or a click on the palette background also drops it.</li>
<li><b>Exchange walls</b> (menu Tools) replaces one wall texture by another in the whole level, fills
every empty cell with a wall, or lays a border of walls.</li>
</ul>
<p>What a cell can hold: a wall with one of 40 textures, a door (drawn with the level's door texture),
the next-level door, one of ten sprites, one of six weapons, a health pack, an ammunition pack, the key,
one of five treasures, one of five enemies, or the player start.</p>
<p>Levels are saved with <b>World &gt; Save World</b> as level 1 to 20 (<code>twksys/game1</code> to
<code>game20</code>) and loaded with <b>LoadWorld</b>. Saving always asks before it overwrites.
Before a game is made, every level up to the number in Game Settings must have:</p>
<ul><li>a closed border: the outermost row and column on every side made of walls or next-level doors
(not sprites, not doors);</li><li>exactly one player start.</li></ul>

<h2 id="pictures">Importing pictures</h2>
<p>Every picture of a game lives in a named slot. Each dialog shows its slots as small pictures; click
one to import a new picture into it from a BMP, PNG or TGA file.</p>
<img src="walls.png" alt="The 40 wall textures">
<p>The wall textures of the sample game, one family per row: brick, stone, wood and metal, tech panels.
The last picture of each row together forms an animated console (row 10 of the wall dialog is ticked
"Animate").</p>
<table>
<tr><th>Menu</th><th>Slots</th><th>Background</th></tr>
<tr><td>Walls &gt; Import Wall Textures</td><td>40 wall textures, animation rows and speed</td><td>kept</td></tr>
<tr><td>Doors &gt; Import Door Textures</td><td>one door texture per level</td><td>kept</td></tr>
<tr><td>Doors &gt; Import NextLevel Door Texture</td><td>the exit door</td><td>kept</td></tr>
<tr><td>Floor+Ceiling</td><td>one floor and one ceiling texture per level</td><td>kept</td></tr>
<tr><td>Enemies &gt; Enemy Animations</td><td>5 enemies: 4 walking, 2 attacking, 5 dying frames</td><td>made white</td></tr>
<tr><td>Sprites &gt; Import Sprites</td><td>10 sprites with four further pictures each</td><td>made white</td></tr>
<tr><td>InGameItems</td><td>weapons, health and ammunition packs, key, treasures</td><td>made white</td></tr>
</table>
<img src="floors.png" alt="Floor, ceiling and door textures">
<p>Rules of the import:</p>
<ul>
<li>The picture must be at least 32 by 32 pixels, or you see "<i>name</i> is too small, it must be at
least 32*32". It is scaled to 64 by 64 with smoothing.</li>
<li>Textures keep every colour. Enemy frames, sprites and items are <b>keyed</b>: if the four pixels one in
from the corners have the same colour, that background colour becomes pure white, which the game shows as
see-through. Draw such pictures on one plain background colour, and use pure white nowhere else.</li>
<li>The file's extension does not matter; the format is recognised from its contents.</li>
</ul>
<img src="enemies.png" alt="The five enemies: walking, attacking and dying">
<p>The five enemies of the sample game: a guard, a brute, a sentinel machine, a hooded fire caster and the
horned warlord. Each row shows the four walking frames, aiming and firing, and the five dying frames.</p>
<img src="sprites.png" alt="Sprites and their further pictures">
<p>The ten sprites (barrel, lamp, pillar, plant, table, crate, suit of armour, chandelier, brazier,
banner) in the top row; below them their four further pictures, which the sample game uses as the
stages of a sprite being shot to pieces.</p>
<img src="items.png" alt="Items and weapons">

<h2 id="screens">Screen bitmaps</h2>
<p>Menus, the intro, help and sound screens, the status bar and its digits, the weapons in the player's
hand, bullets and explosions are 57 BMP files in the folder <code>GameBitmaps</code> beside the editor.
<b>GameBitmaps &gt; Open GameBitmaps Folder</b> opens it; edit the files with any paint program, keep
their sizes, then choose <b>GameBitmaps &gt; Import GameBitmaps</b>.</p>
<img src="menu1.png" alt="The main menu of the sample game" width="640">
<table>
<tr><th>Files</th><th>Size (width x height)</th></tr>
<tr><td>menu1.bmp, menu2.bmp, menu3.bmp, IntroScreen.bmp, finished.bmp, entering_next_level.bmp</td><td>320 x 200</td></tr>
<tr><td>HelpScreen.bmp</td><td>320 x 200 to 1000</td></tr>
<tr><td>SoundScreen.bmp</td><td>320 x at least 200</td></tr>
<tr><td>mask.bmp (status bar)</td><td>320 x 24</td></tr>
<tr><td>numbers.bmp, scorenums.bmp (digits 0 to 9, 20 pixels each)</td><td>200 x 20</td></tr>
<tr><td>weapon1_1.bmp to weapon6_5.bmp (five pictures per weapon in the hand)</td><td>64 x 74</td></tr>
<tr><td>Bullet1.bmp to Bullet6.bmp, BulletExplode1.bmp to BulletExplode6.bmp</td><td>64 x 64</td></tr>
<tr><td>keypicture.bmp</td><td>20 x 20</td></tr>
<tr><td>menubutton.bmp</td><td>16 x 16</td></tr>
<tr><td>GunCenter.bmp</td><td>16 x at least 16</td></tr>
<tr><td>VolumeButton.bmp</td><td>12 x at least 12</td></tr>
</table>
<p>All files are imported even when some fail; the last file that failed is named in "<i>name</i> is
missing or has the wrong size". When all fit you see "GameBitmaps imported successfully".</p>
)";

constexpr const char* kBodyAfterMenus = R"(
<h2 id="sounds">Sounds and music</h2>
<p><b>Sounds &gt; Import Sounds</b> lists 70 sound slots: the player's steps, the shots and impacts of
the six weapons, doors, pick-ups, the calls, shots and deaths of the five enemies, breaking sprites, the
menu music (a wave file) and one MIDI tune per level. Choose a slot, press <b>Load Sound</b> and pick a
<code>.wav</code> or <code>.mid</code> file; it is copied into the workspace unchanged. A MIDI file must
be at most 120,000 bytes ("Filesize must be &lt; 120kB"). Tick <b>use Midi Music in Levels</b> to
play the tunes during the levels.</p>

<h2 id="settings">Settings</h2>
<table>
<tr><th>Dialog</th><th>What it sets</th><th>Limits</th></tr>
<tr><td>Settings &gt; Game Settings</td><td>number of levels, keys and speeds for walking, turning and looking,
mouse use, screen mode, window title, God Mode code</td><td>levels 1 to 20</td></tr>
<tr><td>Enemies &gt; Enemy Setup</td><td>per enemy: can shoot, speed, endurance, power</td><td>speed 0-12,
endurance 1-40, power 0-40 (0 cannot shoot)</td></tr>
<tr><td>InGameItems &gt; Import Weapons</td><td>per weapon: can shoot, repetition speed, power, start and
maximum ammunition, visible bullet; the weapon key; start with weapon 1</td><td>speed 1-5, power 1-10,
start 0-99, maximum 1-99</td></tr>
<tr><td>Sprites &gt; Import Sprites</td><td>per sprite: collision, endurance, shots pass through</td><td>endurance
0-10 (0: cannot be shot to pieces)</td></tr>
<tr><td>InGameItems &gt; Import Treasures</td><td>points per treasure</td><td>1-9000</td></tr>
<tr><td>InGameItems &gt; Import Ammo and Health</td><td>pack sizes</td><td>ammunition 1-99, health 1-100</td></tr>
<tr><td>InfoText &gt; Define Info Text</td><td>the text of the game window's info menu</td><td>under 5 characters
means no info menu</td></tr>
<tr><td>Settings &gt; Set GamePak Password</td><td>the password that protects <code>game.pak</code></td><td>at least
4 characters, letters are case-sensitive</td></tr>
</table>
<p>The sample game has 3 levels, walks with <kbd>W</kbd> <kbd>A</kbd> <kbd>S</kbd> <kbd>D</kbd>, turns
with the mouse or the arrow keys, shoots with the left mouse button, opens doors with <kbd>Space</kbd>,
changes weapons with <kbd>Q</kbd> and shows the map with <kbd>M</kbd>.</p>
<p>At the first start the editor sets a random password and tells you so ("A default GamePak password has
been set!"). The password is kept in <code>pakpassword.txt</code> beside the editor.</p>

<h2 id="create">Create Game</h2>
<ol>
<li>Optionally choose <b>Game &gt; Icon</b> and pick an <code>.ico</code> file for the game.</li>
<li>Make sure the level on screen is saved, then choose <b>Game &gt; CreateGame</b>.</li>
<li>The editor checks every level, packs the workspace into <code>twksys/game.pak</code> ("Making the Game"),
and asks where to save the game. It writes the game there and puts <code>game.pak</code> beside it.</li>
<li><b>Game &gt; ExecuteGame</b> starts the game you made last.</li>
</ol>
<p>Give the game's folder both files: the game reads <code>game.pak</code> from its own folder.</p>

<h2 id="import">Import game.pak</h2>
<p><b>World &gt; Import game.pak</b> takes a <code>game.pak</code> apart into the workspace, so that you can
go on working on a game you made earlier. It replaces your whole workspace ("This will overwrite all your
work! Do you wish to proceed?"). The pack must have been written with the same password as the one set in
the editor; a pack that is damaged or from another version is refused before anything is written.</p>

<h2 id="messages">Limits and messages</h2>
<table>
<tr><th>Limit</th><th>Value</th></tr>
<tr><td>Levels</td><td>20, each 64 x 64 blocks</td></tr>
<tr><td>Wall textures</td><td>40; one door, floor and ceiling texture per level</td></tr>
<tr><td>Sprites, weapons, enemies, treasures</td><td>10, 6, 5, 5</td></tr>
<tr><td>Picture size</td><td>at least 32 x 32, stored as 64 x 64</td></tr>
<tr><td>MIDI file</td><td>at most 120,000 bytes</td></tr>
</table>
<table>
<tr><th>Message</th><th>What to do</th></tr>
<tr><td>The level must be saved before creating the game!</td><td>Save the level (World &gt; Save World) or load one.</td></tr>
<tr><td>Error on Level <i>N</i>. Possible reasons: ...</td><td>Level N has no player start, or its border is not
closed with walls (sprites and doors do not count).</td></tr>
<tr><td>can't open level file</td><td>The game settings are missing; open Settings &gt; Game Settings and press use.</td></tr>
<tr><td><i>N</i> Files missing!</td><td>N workspace files are missing or empty; import them again.</td></tr>
<tr><td>Level does not exist</td><td>No level was saved under that number yet.</td></tr>
<tr><td>Player position has been defined already</td><td>Erase the old player start first.</td></tr>
<tr><td><i>name</i> is too small, it must be at least 32*32</td><td>Use a bigger picture.</td></tr>
<tr><td><i>name</i> is missing or has the wrong size</td><td>Give the screen bitmap its listed size.</td></tr>
<tr><td>Filesize must be &lt; 120kB</td><td>Use a shorter MIDI file.</td></tr>
<tr><td>wrong game.pak password</td><td>Set the password the pack was made with.</td></tr>
<tr><td>wrong game.pak version, game.pak not compatible</td><td>The pack is from another version or damaged.</td></tr>
<tr><td>... Settings out of range</td><td>A value of the dialog is outside the limits in the table above.</td></tr>
</table>
)";

std::string Number(int value) {
  return std::to_string(value);
}

std::string ItemList(std::span<const std::string_view> items) {
  std::string list;
  for (std::string_view item : items) list += (list.empty() ? "" : ", ") + std::string(item);
  return list;
}

// Where the game expects the items of the menu pictures and the sliders of
// the sound screen, told with the numbers the game itself uses.
std::string MenuScreensSection() {
  namespace layout = gamebuild::screen_layout;
  const std::string row = Number(layout::kItemTop), step = Number(layout::kItemStep);
  return "\n<h3 id=\"menus\">Drawing your own menu screens</h3>\n"
         "<p>The game draws no items on the menu pictures: it places its marker (<code>menubutton.bmp</code>) "
         "beside the rows where the picture draws them, so draw them in these rows and in this order. "
         "Positions are pixels of the 320 x 200 picture, x from the left, y from the top.</p>\n<table>\n"
         "<tr><th>Picture</th><th>Items, top to bottom</th></tr>\n"
         "<tr><td>menu1.bmp (main menu)</td><td>" + ItemList(layout::kMainMenuItems) + "</td></tr>\n"
         "<tr><td>menu2.bmp (pause menu, Escape while playing)</td><td>" + ItemList(layout::kPauseMenuItems) +
         "</td></tr>\n"
         "<tr><td>menu3.bmp (after the player's death, under the question QUIT?)</td><td>" +
         ItemList(layout::kGameOverItems) + ": YES goes to the main menu, NO plays the level again as it began"
         "</td></tr>\n</table>\n"
         "<p>Item 1 is the text row from y = " + row + " to y = " + Number(layout::kItemTop + layout::kItemTextHeight - 1) +
         ", each further item " + step + " pixels lower (item <i>k</i> starts at y = " + row + " + " + step +
         " (<i>k</i> - 1)). Centre the items between x = " + Number(layout::kPlaqueLeft) + " and x = " +
         Number(layout::kPlaqueRight) + ". The marker, 16 x 16 pixels, stands at x = " + Number(layout::kMarkerX) +
         ", its middle on the middle of the chosen item's row. The game writes the items it adds itself in the rows below: OPTIONS in the fifth row (y = " +
         Number(layout::kItemTop + 4 * layout::kItemStep) + ") of the main and pause menus, and, when the game has "
         "an info text and runs in a window, INFO in the sixth row of the main menu; leave those rows free.</p>\n"
         "<p>The sound screen (SoundScreen.bmp) has two sliders, MUSIC above EFFECTS. Slider 1's track is the row "
         "y = " + Number(layout::kSliderTop + layout::kSliderTrackMiddle) + ", slider 2's " +
         Number(layout::kSliderStepY) + " pixels lower; each runs from x = " + Number(layout::kSliderLeft) +
         " (volume 0) to x = " + Number(layout::kSliderLeft + 10 * layout::kSliderStopStep) + " (volume 10) in "
         "steps of " + Number(layout::kSliderStopStep) + " pixels. The game centres a knob (VolumeButton.bmp) on "
         "each track at its volume, and the marker at x = " + Number(layout::kSliderMarkerX) +
         " beside the slider that Left and Right move; write the labels from x = " + Number(layout::kSliderLabelX) +
         " in the rows y = " + Number(layout::kSliderTop) + " and y = " +
         Number(layout::kSliderTop + layout::kSliderStepY) + ".</p>\n"
         "<p>On entering_next_level.bmp the game writes the kills, treasures and time of the level just done on a "
         "dark box from x = " + Number(layout::kStatsLeft - 4) + ", y = " + Number(layout::kStatsTop - 4) + ", " +
         Number(layout::kStatsWidth) + " pixels wide and 42 high; keep what matters out of that box.</p>\n";
}

}  // namespace

std::string HelpPageText() {
  return std::string(
             "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Tarnwick user "
             "guide</title>\n") +
         kStyle + "\n</head>\n<body>" + kBody + MenuScreensSection() + kBodyAfterMenus + "</body>\n</html>\n";
}

}  // namespace starter
