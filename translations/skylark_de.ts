<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookmarkList</name>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is not a bookmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unreadable file %1 is still in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookmarksWindow</name>
    <message>
        <source>Playlists (*.m3u *.m3u8 *.pls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to Playlist…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Playlist…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be moved aside either; bookmarks will not be saved over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was kept as %1, and the bookmarks list starts empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmarks file %1 could not be read: %2.

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmarks could not be saved to %1: %2.

The file keeps its earlier contents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playlist could not be written to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 bookmarks to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out (link not fit for a playlist)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playlist %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 bookmarks from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already bookmarked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a stream address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with control characters or a leading &quot;-&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too long (over %1 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over the limit of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add live stations to bookmarks, please use presets.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopDialogs</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorPages</name>
    <message>
        <source>Error 302 : Document Moved Temporarily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error 301 : Document Moved Permanently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error 404 : Object Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error 404 : File Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error (Forbidden) : You are not permitted to access this site.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>College</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Religious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk/News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live Television</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special (Police, Scanners, Emergency)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>70s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adult Contemporary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calypso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Industrial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reggae</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ska</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Techno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zydeco</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkSafety</name>
    <message>
        <source>The stream address contains control characters and cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stream address begins with &quot;-&quot; and cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Mini-Browser on Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add a Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play Stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Stream Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Stream Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Email Link to a Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Link to a Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;can Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Selected Items to Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Selected Item to Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please close station scanning window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No website available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag and Drop station here while holding Shift Key to assign preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets may only be used for live radio and television stations, please use bookmarks instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station currently assigned to Preset %1, Reassign ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset %1 Assigned to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No item selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skylark! Broadcast will now start your mail program, to insert the link press CTRL+V or paste it into the message.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Selected Item to Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assi&amp;gn to Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music Style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>  Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIVE Broadcasts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to search for live radio and television broadcasts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streaming Audio &amp;&amp; Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to search for streaming audio and video clips, movies, concerts and more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single click to display stream website or click PLAY button to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Station Name, Format, Region or Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Keywords (Subject, Band Name, Person, etc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayDispatch</name>
    <message>
        <source>No item selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for Player..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot connect..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerDiscovery</name>
    <message>
        <source>You are missing neccesary players to take full advantage of Skylark!&apos;s functionality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please manually locate players or download by clicking on the appropriate player logo and remember to close and restart Skylark! Broadcast after installing a new player.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Launching RealPlayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to locate RealPlayer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RealPlayer plays the RealPlayer audio and video streams (.ra, .ram, .rm, .smil) that many live radio and television stations send over the Internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by the publishers of RealPlayer. Download it from the player&apos;s own web site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launching Microsoft Media Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to locate Microsoft Media Player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Media Player plays audio and video streams in its own formats (.asf, .asx, .wma, .wmv), used by many stations and archives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by the publishers of Windows Media Player. Download it from the player&apos;s own web site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launching WinAMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to locate WinAmp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winamp plays MP3 streams and the play lists (.pls, .m3u) of MP3 radio stations. Skylark! Broadcast works with version 2.24 and later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by the publishers of Winamp. Download it from the player&apos;s own web site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launching StreamWorks Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to locate StreamWorks Player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Xing StreamWorks player plays StreamWorks audio and video (.xdm). Skylark! Broadcast reads the stream&apos;s address from the link and hands it to the player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by the publishers of Xing StreamWorks. Download it from the player&apos;s own web site.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>it holds binary data, not a playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetStrip</name>
    <message>
        <source>Station Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset %1, empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetTable</name>
    <message>
        <source>Drag and Drop station listing here while holding Shift Key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Skylark! Broadcast cannot write to its data folder %1. Searching and playing still work; station scans and bookmarks need that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1. Check that the folder exists and can be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickHelpWindow</name>
    <message>
        <source>Skylark! Broadcast - Quick Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the Live Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter radio station name, region (location), format or keyword to search for in search box and click the SEARCH button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select LIVE broadcasts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once stations are listed, simply click the PLAY button to launch player and connect to station.  Bandwidth column indicates the quality of the broadcast station, the higher the bandwidth, the better the quality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the Audio/Video Stream Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter keywords to search.  Our searchable database is growing daily and without limit to subject.  You may search for artists, movies, lectures, concerts, interviews or anything else you can possibly imagine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Audio &amp; Video Streams.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once listed, simply press the PLAY button to play the selected item.  If you have found something you like you can add it to your bookmarks or email it to a friend with the appropriate toolbar buttons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Do I Use Presets?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets are used to save your favorite stations.  To set a preset, simply hold down the SHIFT key and drag the station listing from the results window to one of the colored preset buttons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To access or play a station simply click the preset button.  If you want to see which stations are assigned to your presets, simply point the mouse cursor to the preset and the tooltip will appear showing the station name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you are behind a proxy or firewall, enter the proxy address and port in these settings to allow Skylark! Broadcast to communicate with the outside world.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locating and Downloading Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you are missing a player, simply click on the player logo to visit the website and download desired player. Please close and restart Skylark! Broadcast before using the newly installed player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station scanner can be a great way to find stations without necessarily searching for them.  Simply press the SCAN button on the toolbar to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After opening the scan window, select the player you wish to use.  Skylark! Broadcast will then cycle through all the stations that can be played on the player you have selected.  Set the timeout to tell Skylark! Broadcast when to switch stations. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Skylark! Broadcast web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsIconModel</name>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Kb/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Len</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanPresetDialog</name>
    <message>
        <source>Assign Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Preset to Assign Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station currently assigned to Preset %1, Reassign ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset %1 Assigned to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanStationList</name>
    <message>
        <source>Would You like to resume your scan from previous session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Religious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>College</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk/News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special (Police, Emergency, Scanner)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>70s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adult Contemporary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calypso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experimental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Industrial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ska</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Techno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zydeco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Contacting Server, Please Try Back Later or Contact %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No stations of this type (for selected player) are available for scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more stations available for scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*All Stations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanStep</name>
    <message>
        <source>The last %1 stations ended before they started playing, so the scan has stopped. Please check that your players are installed and work (see setup).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Station..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switching Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanWindow</name>
    <message>
        <source>Before starting the scan function by selecting your player, please be sure all players are closed and the audio device is not in use (otherwise the scan function will not work properly).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scan function requires both the RealPlayer and Microsoft Media Player to function correctly, please download and install them before using scan. (see setup)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are missing necessary files to operate in scan mode.  Files (projModr.exe and/or projModm.exe) are missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical Error. You are missing either RealPlayer or Microsoft Media Player on your computer.  These players are necessary to use the scan function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Station Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Stations..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Stream Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Unknown Format Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Preset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchRequest</name>
    <message>
        <source>Phone Modem 28.8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Modem 33.6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Modem 56k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISDN 64k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISDN 128k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable/DSL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchRun</name>
    <message>
        <source>  Search Results (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter keyword(s) for search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter search text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This feature is only used for LIVE Broadcasts, please select LIVE Broadcasts below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error connecting to Quillon Technologies. If this problem persists, please contact %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory&apos;s page is too large to read; the search was stopped. The results read so far are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search found more than %1 results; only the first %1 are shown. Try a more specific search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search found more results than can be held; only the first %1 are shown. Try a more specific search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> **NOTE : Not all player formats are selected, this may cause you receive less results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No results returned. Try a less specific search. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error retrieving data, Please check your Internet connection or contact %1 for system status.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Skylark! Broadcast - Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Formats to Include in Search Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RealPlayer (Audio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RealPlayer (Video)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Media (Audio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Media (Video)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 ShoutCast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xing Streaming Audio/Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Player Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Click the Logo to Visit Player Website and Download Player. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If your Internet connection requires a firewall/proxy, please enter that information here so that you may access the Internet with Skylark! Broadcast.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimize results for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select your connection type so that your Skylark! Broadcast experience may be the most enjoyable and useful.  Please note that by optimizing for higher connection speeds beyond your connection may result in skipping or inability to play streams.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a proxy port from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skylark! Broadcast is only compatible with WinAMP Standard versions 2.24 and greater.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Connections</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellOpener</name>
    <message>
        <source>Error executing application or file not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unable to contact server, please try back later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select your connection type so that you may receive the best content for your speed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StreamFormat</name>
    <message>
        <source>%1 Stream</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebWindow</name>
    <message>
        <source>Mini-browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch My Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mini-browser cannot show web pages on this computer. Use Visit Stream Website to open a station&apos;s site in your browser.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
