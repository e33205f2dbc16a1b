<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>PropertyTable</name>
    <message>
        <source>Entity properties</source>
        <translation>Entity properties</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Default: %1</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>Choose colour</translation>
    </message>
</context>
<context>
    <name>RipentWatch</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ripent crashed while working on &quot;%1&quot;.</source>
        <translation>ripent crashed while working on &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ripent ended with exit code %1 while working on &quot;%2&quot;.</source>
        <translation>ripent ended with exit code %1 while working on &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Entwright - About</source>
        <translation>Entwright - About</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Entwright</source>
        <translation>Entwright</translation>
    </message>
    <message>
        <source>Half-Life entity list editor
Written by the Entwright author
Developed in C++ with Qt %1
Version 2.0, compilation %2
%3 lines of code</source>
        <translation>Half-Life entity list editor
Written by the Entwright author
Developed in C++ with Qt %1
Version 2.0, compilation %2
%3 lines of code</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The program&apos;s icon: a pair of braces</source>
        <translation>The program&apos;s icon: a pair of braces</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Half Life Entity Files (.ent)|*.ent|BSP Files (.BSP)|*.bsp</source>
        <translation>Half Life Entity Files (.ent)|*.ent|BSP Files (.BSP)|*.bsp</translation>
    </message>
    <message>
        <source>Half Life Entity File (.ent)|*.ent</source>
        <translation>Half Life Entity File (.ent)|*.ent</translation>
    </message>
    <message>
        <source>All fields must be filled up correctly</source>
        <translation>All fields must be filled up correctly</translation>
    </message>
    <message>
        <source>Keys and values can&apos;t hold line breaks</source>
        <translation>Keys and values can&apos;t hold line breaks</translation>
    </message>
    <message>
        <source>Keys and values can&apos;t hold double quotes (&quot;): the game would read one as the end of the key or value</source>
        <translation>Keys and values can&apos;t hold double quotes (&quot;): the game would read one as the end of the key or value</translation>
    </message>
    <message>
        <source>The &apos;classname&apos; line must stay a classname line: its key can&apos;t change</source>
        <translation>The &apos;classname&apos; line must stay a classname line: its key can&apos;t change</translation>
    </message>
    <message>
        <source>Entwright 2.0</source>
        <translation>Entwright 2.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>Load Game Data...</source>
        <translation>Load Game Data...</translation>
    </message>
    <message>
        <source>Unload Game Data</source>
        <translation>Unload Game Data</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Set Key on Selected...</source>
        <translation>Set Key on Selected...</translation>
    </message>
    <message>
        <source>Delete Key from Selected...</source>
        <translation>Delete Key from Selected...</translation>
    </message>
    <message>
        <source>Find and Replace...</source>
        <translation>Find and Replace...</translation>
    </message>
    <message>
        <source>Check Map</source>
        <translation>Check Map</translation>
    </message>
    <message>
        <source>Ripent</source>
        <translation>Ripent</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Entity</source>
        <translation>Entity</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Targetname</source>
        <translation>Targetname</translation>
    </message>
    <message>
        <source>Any text</source>
        <translation>Any text</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Entity Properties</source>
        <translation>Entity Properties</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2</source>
        <translation>&quot;%1&quot; could not be opened.

%2</translation>
    </message>
    <message>
        <source>File saved sucessfully</source>
        <translation>File saved sucessfully</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2</source>
        <translation>The file &quot;%1&quot; could not be saved: %2</translation>
    </message>
    <message>
        <source>Entwright</source>
        <translation>Entwright</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>Save the changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>… (%1 bytes in all)</source>
        <translation>… (%1 bytes in all)</translation>
    </message>
    <message>
        <source>The key holds characters a map can&apos;t store (Windows-1252 has no place for them): %1</source>
        <translation>The key holds characters a map can&apos;t store (Windows-1252 has no place for them): %1</translation>
    </message>
    <message>
        <source>The value holds characters a map can&apos;t store (Windows-1252 has no place for them): %1</source>
        <translation>The value holds characters a map can&apos;t store (Windows-1252 has no place for them): %1</translation>
    </message>
    <message>
        <source>You can&apos;t delete the entity &apos;classname&apos;</source>
        <translation>You can&apos;t delete the entity &apos;classname&apos;</translation>
    </message>
    <message>
        <source>You can&apos;t delete the only entity left</source>
        <translation>You can&apos;t delete the only entity left</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>The entities of &quot;%1&quot; were replaced. Load them now? The changes not yet saved are lost; keeping them means a later Save writes them over what was imported.</source>
        <translation>The entities of &quot;%1&quot; were replaced. Load them now? The changes not yet saved are lost; keeping them means a later Save writes them over what was imported.</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>Engine limits</source>
        <translation>Engine limits</translation>
    </message>
    <message>
        <source>Limits:</source>
        <translation>Limits:</translation>
    </message>
    <message>
        <source>Problems found by the check</source>
        <translation>Problems found by the check</translation>
    </message>
    <message>
        <source>Problems: none</source>
        <translation>Problems: none</translation>
    </message>
    <message>
        <source>Problems: %1</source>
        <translation>Problems: %1</translation>
    </message>
    <message>
        <source>SmartEdit</source>
        <translation>SmartEdit</translation>
    </message>
    <message>
        <source>Show the keys through the game data; off shows the raw lines</source>
        <translation>Show the keys through the game data; off shows the raw lines</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>The game data was read with these problems:

%1</source>
        <translation>The game data was read with these problems:

%1</translation>
    </message>
    <message>
        <source>The game data could not be read whole; what was read before the fault is loaded.

%1</source>
        <translation>The game data could not be read whole; what was read before the fault is loaded.

%1</translation>
    </message>
    <message>
        <source>Game Data</source>
        <translation>Game Data</translation>
    </message>
    <message>
        <source>Game Data Files (.fgd)|*.fgd</source>
        <translation>Game Data Files (.fgd)|*.fgd</translation>
    </message>
    <message>
        <source>Go to target</source>
        <translation>Go to target</translation>
    </message>
    <message>
        <source>Used by:</source>
        <translation>Used by:</translation>
    </message>
    <message>
        <source>Entities that point at this one</source>
        <translation>Entities that point at this one</translation>
    </message>
    <message>
        <source>%1 (entity %2)</source>
        <translation>%1 (entity %2)</translation>
    </message>
    <message>
        <source>No entity has the targetname &quot;%1&quot;.</source>
        <translation>No entity has the targetname &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message numerus="yes">
        <source>%n key(s) refer to &quot;%1&quot;. Change them to &quot;%2&quot; as well?</source>
        <translation>
            <numerusform>%n key refers to &quot;%1&quot;. Change it to &quot;%2&quot; as well?</numerusform>
            <numerusform>%n keys refer to &quot;%1&quot;. Change them to &quot;%2&quot; as well?</numerusform>
        </translation>
    </message>
    <message>
        <source>Set Key</source>
        <translation>Set Key</translation>
    </message>
    <message numerus="yes">
        <source>Key to set on %n entities:</source>
        <translation>
            <numerusform>Key to set on %n entity:</numerusform>
            <numerusform>Key to set on %n entities:</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Key</source>
        <translation>Delete Key</translation>
    </message>
    <message numerus="yes">
        <source>Key to delete from %n entities:</source>
        <translation>
            <numerusform>Key to delete from %n entity:</numerusform>
            <numerusform>Key to delete from %n entities:</numerusform>
        </translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation>Find and Replace</translation>
    </message>
    <message>
        <source>The texts hold characters a map can&apos;t store.</source>
        <translation>The texts hold characters a map can&apos;t store.</translation>
    </message>
    <message>
        <source>The regular expression is not valid: %1</source>
        <translation>The regular expression is not valid: %1</translation>
    </message>
    <message>
        <source>Nothing matches &quot;%1&quot;.</source>
        <translation>Nothing matches &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entities</source>
        <translation>
            <numerusform>%n entity</numerusform>
            <numerusform>%n entities</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace %n occurrence(s) in %1 of %2?</source>
        <translation>
            <numerusform>Replace %n occurrence in %1 of %2?</numerusform>
            <numerusform>Replace %n occurrences in %1 of %2?</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by</source>
        <translation>Filter by</translation>
    </message>
    <message>
        <source>Entities</source>
        <translation>Entities</translation>
    </message>
    <message>
        <source>Key lines</source>
        <translation>Key lines</translation>
    </message>
</context>
<context>
    <name>frmNewEnt</name>
    <message>
        <source>Add Entity</source>
        <translation>Add Entity</translation>
    </message>
    <message>
        <source>Entity Name</source>
        <translation>Entity Name</translation>
    </message>
    <message>
        <source>Classes of the game data</source>
        <translation>Classes of the game data</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>An entity name can&apos;t hold characters a map can&apos;t store (Windows-1252 has no place for them)</source>
        <translation>An entity name can&apos;t hold characters a map can&apos;t store (Windows-1252 has no place for them)</translation>
    </message>
    <message>
        <source>An entity name can&apos;t hold line breaks</source>
        <translation>An entity name can&apos;t hold line breaks</translation>
    </message>
    <message>
        <source>An entity name can&apos;t hold double quotes (&quot;)</source>
        <translation>An entity name can&apos;t hold double quotes (&quot;)</translation>
    </message>
</context>
<context>
    <name>frmReplace</name>
    <message>
        <source>Find and Replace</source>
        <translation>Find and Replace</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Replace with</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regular expression</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Replace with:</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Replace All</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>frmRipent</name>
    <message>
        <source>Export .ent from BSP</source>
        <translation>Export .ent from BSP</translation>
    </message>
    <message>
        <source>Import .ent into BSP</source>
        <translation>Import .ent into BSP</translation>
    </message>
    <message>
        <source>Select BSP file</source>
        <translation>Select BSP file</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Go!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>BSP Files (.BSP)|*.bsp</source>
        <translation>BSP Files (.BSP)|*.bsp</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>There was an error during opearation</source>
        <translation>There was an error during opearation</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation>&quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>There was an error during opearation

%1</source>
        <translation>There was an error during opearation

%1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>ripent was not found, so Entwright exported the map&apos;s %1 entities itself to &quot;%2&quot;.</source>
        <translation>ripent was not found, so Entwright exported the map&apos;s %1 entities itself to &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>ripent was not found, so Entwright imported %1 entities itself into &quot;%2&quot;.</source>
        <translation>ripent was not found, so Entwright imported %1 entities itself into &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>BSP file</source>
        <translation>BSP file</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Choose the BSP file in a file dialog</source>
        <translation>Choose the BSP file in a file dialog</translation>
    </message>
</context>
</TS>
