<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AliasmithTexts</name>
    <message>
        <source>Type a name for your profile</source>
        <translation>Type a name for your profile</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>New profile</translation>
    </message>
    <message>
        <source>You must enter a name for your profile!</source>
        <translation>You must enter a name for your profile!</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>No name</translation>
    </message>
    <message>
        <source>Select your Hamachi directory</source>
        <translation>Select your Hamachi directory</translation>
    </message>
    <message>
        <source>Invalid IP!</source>
        <translation>Invalid IP!</translation>
    </message>
    <message>
        <source>Invalid IP</source>
        <translation>Invalid IP</translation>
    </message>
    <message>
        <source>Your IP is invalid!</source>
        <translation>Your IP is invalid!</translation>
    </message>
    <message>
        <source>Profile unlodaded</source>
        <translation>Profile unlodaded</translation>
    </message>
    <message>
        <source>Unloaded</source>
        <translation>Unloaded</translation>
    </message>
    <message>
        <source>Using %1 profile. Please restart Hamachi.</source>
        <translation>Using %1 profile. Please restart Hamachi.</translation>
    </message>
    <message>
        <source>Alias Updated</source>
        <translation>Alias Updated</translation>
    </message>
    <message>
        <source>Invalid Hamachi direcory</source>
        <translation>Invalid Hamachi direcory</translation>
    </message>
    <message>
        <source>Invalid directory</source>
        <translation>Invalid directory</translation>
    </message>
    <message>
        <source>the file or folder does not exist</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>access is denied</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>the disk could not be read or written</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>unknown reason</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a profile file. Leave out \ / : * ? &quot; &lt; &gt; | and do not use a name Windows keeps for itself.</source>
        <translation>&quot;%1&quot; cannot be the name of a profile file. Leave out \ / : * ? &quot; &lt; &gt; | and do not use a name Windows keeps for itself.</translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>Invalid name</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too long to be the name of a profile file.</source>
        <translation>&quot;%1&quot; is too long to be the name of a profile file.</translation>
    </message>
    <message>
        <source>The profile %1 already exists. Replace it with a new, empty profile?</source>
        <translation>The profile %1 already exists. Replace it with a new, empty profile?</translation>
    </message>
    <message>
        <source>The profile file %1 could not be read: %2.</source>
        <translation>The profile file %1 could not be read: %2.</translation>
    </message>
    <message>
        <source>Profile not loaded</source>
        <translation>Profile not loaded</translation>
    </message>
    <message>
        <source>The profile file %1 could not be written: %2.</source>
        <translation>The profile file %1 could not be written: %2.</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>Profile not saved</translation>
    </message>
    <message>
        <source>The profile file %1 could not be deleted: %2.</source>
        <translation>The profile file %1 could not be deleted: %2.</translation>
    </message>
    <message>
        <source>Profile not deleted</source>
        <translation>Profile not deleted</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written: %2.</source>
        <translation>The settings file %1 could not be written: %2.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Settings not saved</translation>
    </message>
    <message>
        <source>The alias file %1 could not be deleted: %2.</source>
        <translation>The alias file %1 could not be deleted: %2.</translation>
    </message>
    <message>
        <source>Not unloaded</source>
        <translation>Not unloaded</translation>
    </message>
    <message>
        <source>The alias file %1 was not written by Aliasmith, or was changed since, so it was left in place.</source>
        <translation>The alias file %1 was not written by Aliasmith, or was changed since, so it was left in place.</translation>
    </message>
    <message>
        <source>The file %1 that remembers the profile in use could not be written: %2.</source>
        <translation>The file %1 that remembers the profile in use could not be written: %2.</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation>Not recorded</translation>
    </message>
    <message>
        <source>The profile %1 has changes that are not saved. Save them and use the profile?</source>
        <translation>The profile %1 has changes that are not saved. Save them and use the profile?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be used: an address may not hold blanks, tabs or line breaks, nor letters that Hamachi&apos;s alias file cannot store.</source>
        <translation>The address &quot;%1&quot; cannot be used: an address may not hold blanks, tabs or line breaks, nor letters that Hamachi&apos;s alias file cannot store.</translation>
    </message>
    <message>
        <source>The nick &quot;%1&quot; cannot be used: a nick may not hold tabs or line breaks, nor letters that Hamachi&apos;s alias file cannot store (Cyrillic ones, for instance).</source>
        <translation>The nick &quot;%1&quot; cannot be used: a nick may not hold tabs or line breaks, nor letters that Hamachi&apos;s alias file cannot store (Cyrillic ones, for instance).</translation>
    </message>
    <message>
        <source>Invalid nick</source>
        <translation>Invalid nick</translation>
    </message>
    <message>
        <source>No alias address is left: the alias number would pass 254, and such an address does not exist.</source>
        <translation>No alias address is left: the alias number would pass 254, and such an address does not exist.</translation>
    </message>
    <message>
        <source>No alias left</source>
        <translation>No alias left</translation>
    </message>
    <message>
        <source>A row&apos;s address holds blanks or letters that Hamachi&apos;s alias file cannot store, so the file was not written.</source>
        <translation>A row&apos;s address holds blanks or letters that Hamachi&apos;s alias file cannot store, so the file was not written.</translation>
    </message>
    <message>
        <source>The profile %1 has changes that are not saved. Discard them?</source>
        <translation>The profile %1 has changes that are not saved. Discard them?</translation>
    </message>
    <message>
        <source>The profile %1 has changes that are not saved. Delete it with them?</source>
        <translation>The profile %1 has changes that are not saved. Delete it with them?</translation>
    </message>
    <message>
        <source>The profile %1 has changes that are not saved. Unload the profile anyway?</source>
        <translation>The profile %1 has changes that are not saved. Unload the profile anyway?</translation>
    </message>
    <message>
        <source>No profile shown</source>
        <translation>No profile shown</translation>
    </message>
    <message>
        <source>Shown: %1 (unsaved changes)</source>
        <translation>Shown: %1 (unsaved changes)</translation>
    </message>
    <message>
        <source>Shown: %1</source>
        <translation>Shown: %1</translation>
    </message>
    <message>
        <source>In use by Hamachi: none</source>
        <translation>In use by Hamachi: none</translation>
    </message>
    <message>
        <source>In use by Hamachi: %1</source>
        <translation>In use by Hamachi: %1</translation>
    </message>
</context>
<context>
    <name>aliasmith::AboutDialog</name>
    <message>
        <source>About Aliasmith</source>
        <translation>About Aliasmith</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Aliasmith keeps profiles of your friends&apos; addresses and turns any of them into Hamachi&apos;s aliases.</source>
        <translation>Aliasmith keeps profiles of your friends&apos; addresses and turns any of them into Hamachi&apos;s aliases.</translation>
    </message>
    <message>
        <source>Written by Aliasmith&apos;s author, for friends who play over Hamachi.</source>
        <translation>Written by Aliasmith&apos;s author, for friends who play over Hamachi.</translation>
    </message>
    <message>
        <source>How to use</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>1. Set your Hamachi directory.</source>
        <translation>1. Set your Hamachi directory.</translation>
    </message>
    <message>
        <source>2. Create a new profile or select one.</source>
        <translation>2. Create a new profile or select one.</translation>
    </message>
    <message>
        <source>3. Type your own Hamachi IP address in its field and add your friends&apos; addresses.</source>
        <translation>3. Type your own Hamachi IP address in its field and add your friends&apos; addresses.</translation>
    </message>
    <message>
        <source>4. Save, then press &quot;Use profile&quot; to update Hamachi&apos;s aliases.</source>
        <translation>4. Save, then press &quot;Use profile&quot; to update Hamachi&apos;s aliases.</translation>
    </message>
    <message>
        <source>Aliasmith</source>
        <translation>Aliasmith</translation>
    </message>
    <message>
        <source>Two linked nodes: a friend reached through an alias.</source>
        <translation>Two linked nodes: a friend reached through an alias.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Web address</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>aliasmith::MainWindow</name>
    <message>
        <source>Hamachi directory</source>
        <translation>Hamachi directory</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Aliases</source>
        <translation>Aliases</translation>
    </message>
    <message>
        <source>Select Aliasmith&apos;s language:</source>
        <translation>Select Aliasmith&apos;s language:</translation>
    </message>
    <message>
        <source>Select your alias profile:</source>
        <translation>Select your alias profile:</translation>
    </message>
    <message>
        <source>Your Hamachi IP address:</source>
        <translation>Your Hamachi IP address:</translation>
    </message>
    <message>
        <source>Add IP:</source>
        <translation>Add IP:</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Update masks</source>
        <translation>Update masks</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Unload profile</source>
        <translation>Unload profile</translation>
    </message>
    <message>
        <source>Use profile</source>
        <translation>Use profile</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nick</source>
        <translation>Nick</translation>
    </message>
    <message>
        <source>True IP</source>
        <translation>True IP</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Aliasmith Alias Manager</source>
        <translation>Aliasmith Alias Manager</translation>
    </message>
    <message>
        <source>Choose the Hamachi directory</source>
        <translation>Choose the Hamachi directory</translation>
    </message>
    <message>
        <source>One row per friend: nick, true IP and alias. Press F2 to rename the nick.</source>
        <translation>One row per friend: nick, true IP and alias. Press F2 to rename the nick.</translation>
    </message>
</context>
</TS>
