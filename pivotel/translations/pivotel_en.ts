<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>pivotel</name>
    <message>
        <source>pivotel: %1
Try &apos;pivotel --help&apos;.</source>
        <translation>pivotel: %1
Try &apos;pivotel --help&apos;.</translation>
    </message>
    <message>
        <source>pivotel: %1</source>
        <translation>pivotel: %1</translation>
    </message>
    <message>
        <source>%1: nothing was read: %2</source>
        <translation>%1: nothing was read: %2</translation>
    </message>
    <message>
        <source>%1: Not a sprite: %2</source>
        <translation>%1: Not a sprite: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>cannot make the folder %1</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 written</translation>
    </message>
    <message>
        <source>%1 frames of %2 written to %3</source>
        <translation>%1 frames of %2 written to %3</translation>
    </message>
    <message>
        <source>The %1 bytes after the last frame were not exported.</source>
        <translation>The %1 bytes after the last frame were not exported.</translation>
    </message>
    <message>
        <source>--type takes side-view, flipper, common, fixed, parallel-oriented or 0 to 4</source>
        <translation>--type takes side-view, flipper, common, fixed, parallel-oriented or 0 to 4</translation>
    </message>
    <message>
        <source>--format takes normal, additive, index-alpha or alpha-test</source>
        <translation>--format takes normal, additive, index-alpha or alpha-test</translation>
    </message>
    <message>
        <source>--quality takes 0 to 100</source>
        <translation>--quality takes 0 to 100</translation>
    </message>
    <message>
        <source>--dither takes 0 (none) to 1 (full)</source>
        <translation>--dither takes 0 (none) to 1 (full)</translation>
    </message>
    <message>
        <source>--tint takes a colour as RRGGBB</source>
        <translation>--tint takes a colour as RRGGBB</translation>
    </message>
    <message>
        <source>--create needs pictures or a frames folder</source>
        <translation>--create needs pictures or a frames folder</translation>
    </message>
    <message>
        <source>%1 already exists; add --replace to write over it</source>
        <translation>%1 already exists; add --replace to write over it</translation>
    </message>
    <message>
        <source>nothing was written: %1</source>
        <translation>nothing was written: %1</translation>
    </message>
    <message>
        <source>%1 written: %2 frames, texture format %3</source>
        <translation>%1 written: %2 frames, texture format %3</translation>
    </message>
    <message>
        <source>Commands (no window):
  pivotel --export DIR FILE.spr [--as frames|sheet|gif|apng] [--replace]
      Writes every frame as an indexed PNG with the sprite&apos;s own palette
      (frame001.png, ...) and sprite.txt (type, texture format, origins,
      groups and intervals) into DIR; or, with --as, one sprite sheet
      (NAME-sheet.png), an animated GIF (NAME.gif) or APNG (NAME-apng.png).
  pivotel --create OUT.spr [--type T] [--format F] [--quality Q] [--dither D]
          [--tint RRGGBB] [--replace] PICTURES...|FOLDER
      Makes a sprite from PNG, GIF (every frame), BMP or TGA pictures, or
      from a folder written by --export. T: side-view, flipper, common,
      fixed, parallel-oriented (or 0-4). F: normal, additive, index-alpha,
      alpha-test. Q: the least quality (0-100) when colours must be reduced;
      D: dithering from 0 to 1.
  Exit codes: 0 done, 1 failed, 2 misused.
</source>
        <translation>Commands (no window):
  pivotel --export DIR FILE.spr [--as frames|sheet|gif|apng] [--replace]
      Writes every frame as an indexed PNG with the sprite&apos;s own palette
      (frame001.png, ...) and sprite.txt (type, texture format, origins,
      groups and intervals) into DIR; or, with --as, one sprite sheet
      (NAME-sheet.png), an animated GIF (NAME.gif) or APNG (NAME-apng.png).
  pivotel --create OUT.spr [--type T] [--format F] [--quality Q] [--dither D]
          [--tint RRGGBB] [--replace] PICTURES...|FOLDER
      Makes a sprite from PNG, GIF (every frame), BMP or TGA pictures, or
      from a folder written by --export. T: side-view, flipper, common,
      fixed, parallel-oriented (or 0-4). F: normal, additive, index-alpha,
      alpha-test. Q: the least quality (0-100) when colours must be reduced;
      D: dithering from 0 to 1.
  Exit codes: 0 done, 1 failed, 2 misused.
</translation>
    </message>
    <message>
        <source>give either --export or --create</source>
        <translation>give either --export or --create</translation>
    </message>
    <message>
        <source>--%1 belongs to --create</source>
        <translation>--%1 belongs to --create</translation>
    </message>
    <message>
        <source>--export DIR takes one sprite file</source>
        <translation>--export DIR takes one sprite file</translation>
    </message>
    <message>
        <source>--as takes frames, sheet, gif or apng</source>
        <translation>--as takes frames, sheet, gif or apng</translation>
    </message>
    <message>
        <source>--as belongs to --export</source>
        <translation>--as belongs to --export</translation>
    </message>
</context>
<context>
    <name>pivotel::CoreText</name>
    <message>
        <source>it does not start with &quot;IDSP&quot;</source>
        <translation>it does not start with &quot;IDSP&quot;</translation>
    </message>
    <message>
        <source>its version is %1, not 1 or 2</source>
        <translation>its version is %1, not 1 or 2</translation>
    </message>
    <message>
        <source>too short for a sprite header</source>
        <translation>too short for a sprite header</translation>
    </message>
    <message>
        <source>no pictures were given</source>
        <translation>no pictures were given</translation>
    </message>
    <message>
        <source>%1 holds no picture</source>
        <translation>%1 holds no picture</translation>
    </message>
    <message>
        <source>the pictures hold more than %1 colours and cannot be reduced here</source>
        <translation>the pictures hold more than %1 colours and cannot be reduced here</translation>
    </message>
    <message>
        <source>the list names %1 pictures, but %2 were read</source>
        <translation>the list names %1 pictures, but %2 were read</translation>
    </message>
    <message>
        <source>a version 1 sprite has no texture format</source>
        <translation>a version 1 sprite has no texture format</translation>
    </message>
    <message>
        <source>%1 frames: the game&apos;s limit is %2 frames</source>
        <translation>%1 frames: the game&apos;s limit is %2 frames</translation>
    </message>
    <message>
        <source>frame %1 is %2 x %3: the game&apos;s frame size limit is %4 x %5</source>
        <translation>frame %1 is %2 x %3: the game&apos;s frame size limit is %4 x %5</translation>
    </message>
    <message>
        <source>%1 frames: the game&apos;s frame count limit is %2</source>
        <translation>%1 frames: the game&apos;s frame count limit is %2</translation>
    </message>
    <message>
        <source>%1 palette colours: the game&apos;s palette holds 1 to 256</source>
        <translation>%1 palette colours: the game&apos;s palette holds 1 to 256</translation>
    </message>
    <message>
        <source>the pictures cannot keep quality %1 with %2 colours</source>
        <translation>the pictures cannot keep quality %1 with %2 colours</translation>
    </message>
    <message>
        <source>libimagequant could not start</source>
        <translation>libimagequant could not start</translation>
    </message>
    <message>
        <source>libimagequant refused the colour count or quality</source>
        <translation>libimagequant refused the colour count or quality</translation>
    </message>
    <message>
        <source>libimagequant could not read %1</source>
        <translation>libimagequant could not read %1</translation>
    </message>
    <message>
        <source>libimagequant could not reduce the colours</source>
        <translation>libimagequant could not reduce the colours</translation>
    </message>
    <message>
        <source>libimagequant could not remap %1</source>
        <translation>libimagequant could not remap %1</translation>
    </message>
</context>
<context>
    <name>pivotel::Form1</name>
    <message>
        <source>Sprites (.spr)|*.spr</source>
        <translation>Sprites (.spr)|*.spr</translation>
    </message>
    <message>
        <source>Esse sprite também fica sempre voltado para o player, mas ele trava eixo Z ( vertical ).</source>
        <translation>Esse sprite também fica sempre voltado para o player, mas ele trava eixo Z ( vertical ).</translation>
    </message>
    <message>
        <source>Esse sprite tem a mesma função do &apos;Side View&apos;, exceto que quando o player se aproxima dele, ele rotaciona a sua face para uma determinada direção.</source>
        <translation>Esse sprite tem a mesma função do &apos;Side View&apos;, exceto que quando o player se aproxima dele, ele rotaciona a sua face para uma determinada direção.</translation>
    </message>
    <message>
        <source>Sprite comum do Half Life. Sempre com sua face voltada para o player.</source>
        <translation>Sprite comum do Half Life. Sempre com sua face voltada para o player.</translation>
    </message>
    <message>
        <source>Trava totalmente o sprite. Sua face sempre fica voltada para uma uma mesma direção, que é determinada pelo &apos;Angle&apos; do env_sprite.</source>
        <translation>Trava totalmente o sprite. Sua face sempre fica voltada para uma uma mesma direção, que é determinada pelo &apos;Angle&apos; do env_sprite.</translation>
    </message>
    <message>
        <source>Sempre com sua face voltada para o player, como o &apos;Common&apos;, mas girado em torno do próprio centro pelo &apos;Roll&apos; do &apos;Angles&apos; do env_sprite.</source>
        <translation>Sempre com sua face voltada para o player, como o &apos;Common&apos;, mas girado em torno do próprio centro pelo &apos;Roll&apos; do &apos;Angles&apos; do env_sprite.</translation>
    </message>
    <message>
        <source>Side View</source>
        <translation>Side View</translation>
    </message>
    <message>
        <source>Flipper</source>
        <translation>Flipper</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>Fixed Direction</source>
        <translation>Fixed Direction</translation>
    </message>
    <message>
        <source>Parallel Oriented</source>
        <translation>Parallel Oriented</translation>
    </message>
    <message>
        <source>Side View Sprite</source>
        <translation>Side View Sprite</translation>
    </message>
    <message>
        <source>Flipper Sprite</source>
        <translation>Flipper Sprite</translation>
    </message>
    <message>
        <source>Common Sprite</source>
        <translation>Common Sprite</translation>
    </message>
    <message>
        <source>Fixed Direction Sprite</source>
        <translation>Fixed Direction Sprite</translation>
    </message>
    <message>
        <source>Parallel Oriented Sprite</source>
        <translation>Parallel Oriented Sprite</translation>
    </message>
    <message>
        <source>Tavrin Sprite Axis Editor
<byte value="xd"/>Made by Tavrin
<byte value="xd"/>Built with C++ and Qt 6</source>
        <translation>Tavrin Sprite Axis Editor
<byte value="xd"/>Made by Tavrin
<byte value="xd"/>Built with C++ and Qt 6</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The frames of this sprite cannot be edited: %1</source>
        <translation>The frames of this sprite cannot be edited: %1</translation>
    </message>
    <message>
        <source>Tavrin Sprite Axis Editor</source>
        <translation>Tavrin Sprite Axis Editor</translation>
    </message>
    <message>
        <source>Sprite Location</source>
        <translation>Sprite Location</translation>
    </message>
    <message>
        <source>Sprite path</source>
        <translation>Sprite path</translation>
    </message>
    <message>
        <source>Choose a sprite file</source>
        <translation>Choose a sprite file</translation>
    </message>
    <message>
        <source>Get Sprite Info</source>
        <translation>Get Sprite Info</translation>
    </message>
    <message>
        <source>Axis Info</source>
        <translation>Axis Info</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Sprite type</source>
        <translation>Sprite type</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Workshop...</source>
        <translation>Workshop...</translation>
    </message>
    <message>
        <source>Open the sprite workshop</source>
        <translation>Open the sprite workshop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Not a sprite</source>
        <translation>Not a sprite</translation>
    </message>
    <message>
        <source>Type %1 Sprite</source>
        <translation>Type %1 Sprite</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>No sprite path</source>
        <translation>No sprite path</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>Nothing was read.</translation>
    </message>
    <message>
        <source>Invalid sprite file

Nothing was read from &quot;%1&quot;: %2.</source>
        <translation>Invalid sprite file

Nothing was read from &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Not a sprite: %1.</source>
        <translation>Not a sprite: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sprite: %2. It cannot be saved.</source>
        <translation>&quot;%1&quot; is not a sprite: %2. It cannot be saved.</translation>
    </message>
    <message>
        <source>No sprite has been read. Use &quot;Get Sprite Info&quot; first.</source>
        <translation>No sprite has been read. Use &quot;Get Sprite Info&quot; first.</translation>
    </message>
    <message>
        <source>The file read is not a sprite, so it cannot be saved.</source>
        <translation>The file read is not a sprite, so it cannot be saved.</translation>
    </message>
    <message>
        <source>The path box does not name the sprite that was read. Use &quot;Get Sprite Info&quot; first.</source>
        <translation>The path box does not name the sprite that was read. Use &quot;Get Sprite Info&quot; first.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Could not save &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Sucess</source>
        <translation>Sucess</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>File Saved</translation>
    </message>
</context>
<context>
    <name>pivotel::SpritePreview</name>
    <message>
        <source>Sprite frames</source>
        <translation>Sprite frames</translation>
    </message>
    <message>
        <source>The frames of the sprite last read, side by side.</source>
        <translation>The frames of the sprite last read, side by side.</translation>
    </message>
    <message>
        <source>About the frames</source>
        <translation>About the frames</translation>
    </message>
    <message>
        <source>No sprite read.</source>
        <translation>No sprite read.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Frames: %1</source>
        <translation>Frames: %1</translation>
    </message>
    <message>
        <source>Largest frame: %1 x %2</source>
        <translation>Largest frame: %1 x %2</translation>
    </message>
    <message>
        <source>Texture format: %1</source>
        <translation>Texture format: %1</translation>
    </message>
    <message>
        <source>No palette in file: shown in greys.</source>
        <translation>No palette in file: shown in greys.</translation>
    </message>
    <message>
        <source>The first %1 frames are shown.</source>
        <translation>The first %1 frames are shown.</translation>
    </message>
    <message>
        <source>Damaged: %1.</source>
        <translation>Damaged: %1.</translation>
    </message>
</context>
<context>
    <name>pivotel::Workshop</name>
    <message>
        <source>Sprites (.spr)|*.spr</source>
        <translation>Sprites (.spr)|*.spr</translation>
    </message>
    <message>
        <source>Pictures (.png .gif .bmp .tga)|*.png;*.gif;*.bmp;*.tga</source>
        <translation>Pictures (.png .gif .bmp .tga)|*.png;*.gif;*.bmp;*.tga</translation>
    </message>
    <message>
        <source>Side View</source>
        <translation>Side View</translation>
    </message>
    <message>
        <source>Flipper</source>
        <translation>Flipper</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>Fixed Direction</source>
        <translation>Fixed Direction</translation>
    </message>
    <message>
        <source>Parallel Oriented</source>
        <translation>Parallel Oriented</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>additive</source>
        <translation>additive</translation>
    </message>
    <message>
        <source>index-alpha</source>
        <translation>index-alpha</translation>
    </message>
    <message>
        <source>alpha-test</source>
        <translation>alpha-test</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>texture</translation>
    </message>
    <message>
        <source>glow</source>
        <translation>glow</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>solid</translation>
    </message>
    <message>
        <source>chequerboard</source>
        <translation>chequerboard</translation>
    </message>
    <message>
        <source>black</source>
        <translation>black</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>Additive frames on a normal-mode entity are drawn opaque: their black shows instead of letting the background through. Use render mode additive or glow.</source>
        <translation>Additive frames on a normal-mode entity are drawn opaque: their black shows instead of letting the background through. Use render mode additive or glow.</translation>
    </message>
    <message>
        <source>Additive frames on a solid-mode entity are drawn opaque: their black shows instead of letting the background through. Use render mode additive or glow.</source>
        <translation>Additive frames on a solid-mode entity are drawn opaque: their black shows instead of letting the background through. Use render mode additive or glow.</translation>
    </message>
    <message>
        <source>Index-alpha frames on a normal- or solid-mode entity show as a solid block of the tint colour. Use render mode texture, additive or glow.</source>
        <translation>Index-alpha frames on a normal- or solid-mode entity show as a solid block of the tint colour. Use render mode texture, additive or glow.</translation>
    </message>
    <message>
        <source>Alpha-test frames on a normal-mode entity show their see-through colour. Use render mode solid with amount 255.</source>
        <translation>Alpha-test frames on a normal-mode entity show their see-through colour. Use render mode solid with amount 255.</translation>
    </message>
    <message>
        <source>Render amount 0 makes the sprite invisible in this render mode.</source>
        <translation>Render amount 0 makes the sprite invisible in this render mode.</translation>
    </message>
    <message>
        <source>Sprite Workshop</source>
        <translation>Sprite Workshop</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Sprite</source>
        <translation>Sprite</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>Origin:</translation>
    </message>
    <message>
        <source>Sprite preview</source>
        <translation>Sprite preview</translation>
    </message>
    <message>
        <source>The frame as the game draws it; drag it to move the frame&apos;s origin.</source>
        <translation>The frame as the game draws it; drag it to move the frame&apos;s origin.</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>Add Pictures...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Move frame up</source>
        <translation>Move frame up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Move frame down</source>
        <translation>Move frame down</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete frame</source>
        <translation>Delete frame</translation>
    </message>
    <message>
        <source>Origin x</source>
        <translation>Origin x</translation>
    </message>
    <message>
        <source>Origin y</source>
        <translation>Origin y</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Texture format</source>
        <translation>Texture format</translation>
    </message>
    <message>
        <source>Least quality</source>
        <translation>Least quality</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Dithering</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Render mode</source>
        <translation>Render mode</translation>
    </message>
    <message>
        <source>Render amount</source>
        <translation>Render amount</translation>
    </message>
    <message>
        <source>Render colour red</source>
        <translation>Render colour red</translation>
    </message>
    <message>
        <source>Render colour green</source>
        <translation>Render colour green</translation>
    </message>
    <message>
        <source>Render colour blue</source>
        <translation>Render colour blue</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Picture...</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animate</translation>
    </message>
    <message>
        <source>Render warning</source>
        <translation>Render warning</translation>
    </message>
    <message>
        <source>Save Sprite...</source>
        <translation>Save Sprite...</translation>
    </message>
    <message>
        <source>Export Frames...</source>
        <translation>Export Frames...</translation>
    </message>
    <message>
        <source>Export Sheet...</source>
        <translation>Export Sheet...</translation>
    </message>
    <message>
        <source>Export GIF...</source>
        <translation>Export GIF...</translation>
    </message>
    <message>
        <source>Export APNG...</source>
        <translation>Export APNG...</translation>
    </message>
    <message>
        <source>When colours must be reduced to 256: the least quality accepted (0 to 100).</source>
        <translation>When colours must be reduced to 256: the least quality accepted (0 to 100).</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Texture format:</source>
        <translation>Texture format:</translation>
    </message>
    <message>
        <source>Least quality:</source>
        <translation>Least quality:</translation>
    </message>
    <message>
        <source>Dithering:</source>
        <translation>Dithering:</translation>
    </message>
    <message>
        <source>Render mode:</source>
        <translation>Render mode:</translation>
    </message>
    <message>
        <source>Render amount:</source>
        <translation>Render amount:</translation>
    </message>
    <message>
        <source>Render colour:</source>
        <translation>Render colour:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>frame %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Add pictures to make a sprite.</source>
        <translation>Add pictures to make a sprite.</translation>
    </message>
    <message>
        <source>Working out the palette...</source>
        <translation>Working out the palette...</translation>
    </message>
    <message>
        <source>Cannot make a sprite: %1</source>
        <translation>Cannot make a sprite: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 x %4)</source>
        <translation>%1: %2 (%3 x %4)</translation>
    </message>
    <message>
        <source>%1 is not a picture Pivotel can read.</source>
        <translation>%1 is not a picture Pivotel can read.</translation>
    </message>
    <message>
        <source>The sprite was not saved: %1</source>
        <translation>The sprite was not saved: %1</translation>
    </message>
    <message>
        <source>Sucess</source>
        <translation>Sucess</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>File Saved</translation>
    </message>
    <message>
        <source>Export Frames</source>
        <translation>Export Frames</translation>
    </message>
    <message>
        <source>The frames were not exported: %1</source>
        <translation>The frames were not exported: %1</translation>
    </message>
    <message>
        <source>%1 frames written to %2</source>
        <translation>%1 frames written to %2</translation>
    </message>
    <message>
        <source>GIF pictures (.gif)|*.gif</source>
        <translation>GIF pictures (.gif)|*.gif</translation>
    </message>
    <message>
        <source>PNG pictures (.png)|*.png</source>
        <translation>PNG pictures (.png)|*.png</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>Nothing was written: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 written</translation>
    </message>
    <message>
        <source>the pictures&apos; alpha became each pixel&apos;s index; the tint is %1 %2 %3.</source>
        <translation>the pictures&apos; alpha became each pixel&apos;s index; the tint is %1 %2 %3.</translation>
    </message>
    <message>
        <source>the pictures&apos; brightness became each pixel&apos;s index; the tint is %1 %2 %3.</source>
        <translation>the pictures&apos; brightness became each pixel&apos;s index; the tint is %1 %2 %3.</translation>
    </message>
    <message>
        <source>the pictures&apos; own palette was kept, index for index.</source>
        <translation>the pictures&apos; own palette was kept, index for index.</translation>
    </message>
    <message>
        <source>the pictures&apos; %1 colours were kept exactly.</source>
        <translation>the pictures&apos; %1 colours were kept exactly.</translation>
    </message>
    <message>
        <source>the pictures&apos; colours were reduced to %1 with libimagequant.</source>
        <translation>the pictures&apos; colours were reduced to %1 with libimagequant.</translation>
    </message>
    <message>
        <source>normal: every pixel is drawn opaque in its palette colour.</source>
        <translation>normal: every pixel is drawn opaque in its palette colour.</translation>
    </message>
    <message>
        <source>additive: colours are added to what lies behind, so black is transparent.</source>
        <translation>additive: colours are added to what lies behind, so black is transparent.</translation>
    </message>
    <message>
        <source>index-alpha: the palette&apos;s last colour is the tint, and each pixel&apos;s index is its opacity.</source>
        <translation>index-alpha: the palette&apos;s last colour is the tint, and each pixel&apos;s index is its opacity.</translation>
    </message>
    <message>
        <source>alpha-test: the palette&apos;s last entry (index 255) is transparent, every other colour opaque.</source>
        <translation>alpha-test: the palette&apos;s last entry (index 255) is transparent, every other colour opaque.</translation>
    </message>
    <message>
        <source>unknown texture format %1.</source>
        <translation>unknown texture format %1.</translation>
    </message>
    <message>
        <source>Palette: %1 Texture format %2</source>
        <translation>Palette: %1 Texture format %2</translation>
    </message>
</context>
</TS>
