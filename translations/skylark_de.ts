<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>BookmarkList</name>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>sie ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie enthält keinen UTF-8-Text</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;</source>
        <translation>sie beginnt nicht mit „%1“</translation>
    </message>
    <message>
        <source>line %1 is not a bookmark</source>
        <translation>Zeile %1 ist kein Lesezeichen</translation>
    </message>
    <message>
        <source>the unreadable file %1 is still in the way</source>
        <translation>die unlesbare Datei %1 ist noch im Weg</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>BookmarksWindow</name>
    <message>
        <source>Playlists (*.m3u *.m3u8 *.pls)</source>
        <translation>Wiedergabelisten (*.m3u *.m3u8 *.pls)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Export to Playlist…</source>
        <translation>Als Wiedergabeliste &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import Playlist…</source>
        <translation>Wiedergabeliste &amp;importieren…</translation>
    </message>
    <message>
        <source>It could not be moved aside either; bookmarks will not be saved over it.</source>
        <translation>Sie konnte auch nicht beiseitegelegt werden; Lesezeichen werden nicht darüber gespeichert.</translation>
    </message>
    <message>
        <source>It was kept as %1, and the bookmarks list starts empty.</source>
        <translation>Sie wurde als %1 aufbewahrt, und die Lesezeichenliste beginnt leer.</translation>
    </message>
    <message>
        <source>The bookmarks file %1 could not be read: %2.

%3</source>
        <translation>Die Lesezeichendatei %1 konnte nicht gelesen werden: %2.

%3</translation>
    </message>
    <message>
        <source>The bookmarks could not be saved to %1: %2.

The file keeps its earlier contents.</source>
        <translation>Die Lesezeichen konnten nicht in %1 gespeichert werden: %2.

Die Datei behält ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>The playlist could not be written to %1: %2.</source>
        <translation>Die Wiedergabeliste konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Exported %1 bookmarks to %2</source>
        <translation>%1 Lesezeichen nach %2 exportiert</translation>
    </message>
    <message>
        <source>left out (link not fit for a playlist)</source>
        <translation>ausgelassen (Link passt nicht in eine Wiedergabeliste)</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read: %2.</source>
        <translation>Die Wiedergabeliste %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Imported %1 bookmarks from %2</source>
        <translation>%1 Lesezeichen aus %2 importiert</translation>
    </message>
    <message>
        <source>already bookmarked</source>
        <translation>schon als Lesezeichen vorhanden</translation>
    </message>
    <message>
        <source>not a stream address</source>
        <translation>keine Stream-Adresse</translation>
    </message>
    <message>
        <source>with control characters or a leading &quot;-&quot;</source>
        <translation>mit Steuerzeichen oder führendem „-“</translation>
    </message>
    <message>
        <source>too long (over %1 characters)</source>
        <translation>zu lang (über %1 Zeichen)</translation>
    </message>
    <message>
        <source>over the limit of %1</source>
        <translation>über der Grenze von %1</translation>
    </message>
    <message>
        <source>Cannot add live stations to bookmarks, please use presets.</source>
        <translation>Live-Sender können nicht zu den Lesezeichen hinzugefügt werden, bitte Stationstasten verwenden.</translation>
    </message>
</context>
<context>
    <name>DesktopDialogs</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>ErrorPages</name>
    <message>
        <source>Error 302 : Document Moved Temporarily</source>
        <translation>Fehler 302 : Dokument vorübergehend verschoben</translation>
    </message>
    <message>
        <source>Error 301 : Document Moved Permanently</source>
        <translation>Fehler 301 : Dokument dauerhaft verschoben</translation>
    </message>
    <message>
        <source>Error 404 : Object Not Found</source>
        <translation>Fehler 404 : Objekt nicht gefunden</translation>
    </message>
    <message>
        <source>Error 404 : File Not Found</source>
        <translation>Fehler 404 : Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Error (Forbidden) : You are not permitted to access this site.</source>
        <translation>Fehler (Verboten) : Sie dürfen auf diese Seite nicht zugreifen.</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>College</source>
        <translation>College-Radio</translation>
    </message>
    <message>
        <source>Religious</source>
        <translation>Religiös</translation>
    </message>
    <message>
        <source>Talk/News</source>
        <translation>Talk/Nachrichten</translation>
    </message>
    <message>
        <source>Live Television</source>
        <translation>Live-Fernsehen</translation>
    </message>
    <message>
        <source>Special (Police, Scanners, Emergency)</source>
        <translation>Spezial (Polizei, Scanner, Notruf)</translation>
    </message>
    <message>
        <source>50&apos;s</source>
        <translation>50er</translation>
    </message>
    <message>
        <source>60&apos;s</source>
        <translation>60er</translation>
    </message>
    <message>
        <source>70s</source>
        <translation>70er</translation>
    </message>
    <message>
        <source>80s</source>
        <translation>80er</translation>
    </message>
    <message>
        <source>90s</source>
        <translation>90er</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Adult Contemporary</source>
        <translation>Adult Contemporary</translation>
    </message>
    <message>
        <source>Big Band</source>
        <translation>Big Band</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Calypso</source>
        <translation>Calypso</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>Keltisch</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Klassik</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Experimental</source>
        <translation>Experimentell</translation>
    </message>
    <message>
        <source>Goth</source>
        <translation>Goth</translation>
    </message>
    <message>
        <source>Industrial</source>
        <translation>Industrial</translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>New Age</source>
        <translation>New Age</translation>
    </message>
    <message>
        <source>Oldtime</source>
        <translation>Oldtime</translation>
    </message>
    <message>
        <source>Oldies</source>
        <translation>Oldies</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Punk</source>
        <translation>Punk</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Reggae</source>
        <translation>Reggae</translation>
    </message>
    <message>
        <source>Ska</source>
        <translation>Ska</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Swing</translation>
    </message>
    <message>
        <source>Techno</source>
        <translation>Techno</translation>
    </message>
    <message>
        <source>Zydeco</source>
        <translation>Zydeco</translation>
    </message>
</context>
<context>
    <name>LinkSafety</name>
    <message>
        <source>The stream address contains control characters and cannot be played.</source>
        <translation>Die Stream-Adresse enthält Steuerzeichen und kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>The stream address begins with &quot;-&quot; and cannot be played.</source>
        <translation>Die Stream-Adresse beginnt mit „-“ und kann nicht abgespielt werden.</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Start Search</source>
        <translation>Suche starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Suche beenden</translation>
    </message>
    <message>
        <source>Open Mini-Browser on Preview</source>
        <translation>Mini-Browser zur Vorschau öffnen</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Setup Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Add a Station</source>
        <translation>Sender &amp;hinzufügen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>Suche &amp;starten</translation>
    </message>
    <message>
        <source>S&amp;top Search</source>
        <translation>Suche &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Play Stream</source>
        <translation>Stream &amp;abspielen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play Stream</source>
        <translation>Stream abspielen</translation>
    </message>
    <message>
        <source>&amp;Visit Stream Website</source>
        <translation>Stream-&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Visit Stream Website</source>
        <translation>Stream-Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Email Link to a Friend</source>
        <translation>Link per &amp;E-Mail senden</translation>
    </message>
    <message>
        <source>Email Link</source>
        <translation>Mailen</translation>
    </message>
    <message>
        <source>Email Link to a Friend</source>
        <translation>Link per E-Mail an einen Freund senden</translation>
    </message>
    <message>
        <source>S&amp;can Stations</source>
        <translation>Sender s&amp;cannen</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Scan Stations</source>
        <translation>Sender scannen</translation>
    </message>
    <message>
        <source>&amp;Show Bookmarks</source>
        <translation>Lesezeichen &amp;anzeigen</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Modify Bookmarks</source>
        <translation>Lesezeichen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add Selected Items to Bookmarks</source>
        <translation>Auswahl zu Lesezeichen &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add Selected Item to Bookmarks</source>
        <translation>Ausgewählten Eintrag zu Lesezeichen hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Quick Help</source>
        <translation>&amp;Kurzhilfe</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Please close station scanning window.</source>
        <translation>Bitte schließen Sie das Sender-Scanfenster.</translation>
    </message>
    <message>
        <source>No website available.</source>
        <translation>Keine Website verfügbar.</translation>
    </message>
    <message>
        <source>Drag and Drop station here while holding Shift Key to assign preset</source>
        <translation>Sender bei gedrückter Umschalttaste hierher ziehen, um die Stationstaste zu belegen</translation>
    </message>
    <message>
        <source>Presets may only be used for live radio and television stations, please use bookmarks instead.</source>
        <translation>Stationstasten gibt es nur für Live-Radio- und Fernsehsender, bitte verwenden Sie stattdessen Lesezeichen.</translation>
    </message>
    <message>
        <source>Station currently assigned to Preset %1, Reassign ?</source>
        <translation>Stationstaste %1 ist schon belegt. Neu belegen?</translation>
    </message>
    <message>
        <source>Preset %1 Assigned to %2</source>
        <translation>Stationstaste %1 mit %2 belegt</translation>
    </message>
    <message>
        <source>No item selected.</source>
        <translation>Kein Eintrag ausgewählt.</translation>
    </message>
    <message>
        <source>Skylark! Broadcast will now start your mail program, to insert the link press CTRL+V or paste it into the message.</source>
        <translation>Skylark! Broadcast startet jetzt Ihr E-Mail-Programm. Fügen Sie den Link mit STRG+V oder über Einfügen in die Nachricht ein.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Lesezeichen</translation>
    </message>
    <message>
        <source>&amp;Select Format</source>
        <translation>&amp;Format wählen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Add Selected Item to Bookmarks</source>
        <translation>Ausgewählten Eintrag zu Lesezeichen hinzufügen</translation>
    </message>
    <message>
        <source>Show Bookmarks</source>
        <translation>Lesezeichen anzeigen</translation>
    </message>
    <message>
        <source>Assi&amp;gn to Preset</source>
        <translation>Stationstaste &amp;zuweisen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Music Style</source>
        <translation>Musikrichtung</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>  Search</source>
        <translation>  Suche</translation>
    </message>
    <message>
        <source>  Search Results</source>
        <translation>  Suchergebnisse</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>LIVE Broadcasts</source>
        <translation>LIVE-Sendungen</translation>
    </message>
    <message>
        <source>Click here to search for live radio and television broadcasts</source>
        <translation>Hier klicken, um nach Live-Radio- und Fernsehsendungen zu suchen</translation>
    </message>
    <message>
        <source>Streaming Audio &amp;&amp; Video</source>
        <translation>Audio- &amp;&amp; Video-Streams</translation>
    </message>
    <message>
        <source>Click here to search for streaming audio and video clips, movies, concerts and more</source>
        <translation>Hier klicken, um nach Audio- und Videoclips, Filmen, Konzerten und mehr zu suchen</translation>
    </message>
    <message>
        <source>Single click to display stream website or click PLAY button to play.</source>
        <translation>Einfach klicken, um die Website des Streams anzuzeigen, oder mit ABSPIELEN abspielen.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Enter Station Name, Format, Region or Keywords</source>
        <translation>Sendername, Format, Region oder Stichwort</translation>
    </message>
    <message>
        <source>Enter Keywords (Subject, Band Name, Person, etc)</source>
        <translation>Stichwörter eingeben (Thema, Band, Person usw.)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>PlayDispatch</name>
    <message>
        <source>No item selected.</source>
        <translation>Kein Eintrag ausgewählt.</translation>
    </message>
    <message>
        <source>Looking for Player..</source>
        <translation>Player wird gesucht..</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>Wiedergabe...</translation>
    </message>
    <message>
        <source>Cannot connect..</source>
        <translation>Keine Verbindung..</translation>
    </message>
</context>
<context>
    <name>PlayerDiscovery</name>
    <message>
        <source>You are missing neccesary players to take full advantage of Skylark!&apos;s functionality.</source>
        <translation>Es fehlen Player, die Sie brauchen, um alle Funktionen von Skylark! zu nutzen.</translation>
    </message>
    <message>
        <source>Please manually locate players or download by clicking on the appropriate player logo and remember to close and restart Skylark! Broadcast after installing a new player.</source>
        <translation>Bitte suchen Sie die Player von Hand oder laden Sie sie über das Logo des Players herunter, und starten Sie Skylark! Broadcast nach der Installation eines neuen Players neu.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Launching RealPlayer</source>
        <translation>RealPlayer wird gestartet</translation>
    </message>
    <message>
        <source>Unable to locate RealPlayer.</source>
        <translation>RealPlayer wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>RealPlayer plays the RealPlayer audio and video streams (.ra, .ram, .rm, .smil) that many live radio and television stations send over the Internet.</source>
        <translation>RealPlayer spielt die RealPlayer-Audio- und Videostreams (.ra, .ram, .rm, .smil) ab, die viele Live-Radio- und Fernsehsender über das Internet senden.</translation>
    </message>
    <message>
        <source>Made by the publishers of RealPlayer. Download it from the player&apos;s own web site.</source>
        <translation>Von den Herausgebern von RealPlayer. Herunterladen von der Website des Players.</translation>
    </message>
    <message>
        <source>Launching Microsoft Media Player</source>
        <translation>Microsoft Media Player wird gestartet</translation>
    </message>
    <message>
        <source>Unable to locate Microsoft Media Player.</source>
        <translation>Microsoft Media Player wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Windows Media Player plays audio and video streams in its own formats (.asf, .asx, .wma, .wmv), used by many stations and archives.</source>
        <translation>Windows Media Player spielt Audio- und Videostreams in seinen eigenen Formaten (.asf, .asx, .wma, .wmv) ab, die viele Sender und Archive verwenden.</translation>
    </message>
    <message>
        <source>Made by the publishers of Windows Media Player. Download it from the player&apos;s own web site.</source>
        <translation>Von den Herausgebern von Windows Media Player. Herunterladen von der Website des Players.</translation>
    </message>
    <message>
        <source>Launching WinAMP</source>
        <translation>WinAMP wird gestartet</translation>
    </message>
    <message>
        <source>Unable to locate WinAmp.</source>
        <translation>WinAmp wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Winamp plays MP3 streams and the play lists (.pls, .m3u) of MP3 radio stations. Skylark! Broadcast works with version 2.24 and later.</source>
        <translation>Winamp spielt MP3-Streams und die Wiedergabelisten (.pls, .m3u) von MP3-Radiosendern ab. Skylark! Broadcast arbeitet mit Version 2.24 und neuer.</translation>
    </message>
    <message>
        <source>Made by the publishers of Winamp. Download it from the player&apos;s own web site.</source>
        <translation>Von den Herausgebern von Winamp. Herunterladen von der Website des Players.</translation>
    </message>
    <message>
        <source>Launching StreamWorks Player</source>
        <translation>StreamWorks Player wird gestartet</translation>
    </message>
    <message>
        <source>Unable to locate StreamWorks Player.</source>
        <translation>StreamWorks Player wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The Xing StreamWorks player plays StreamWorks audio and video (.xdm). Skylark! Broadcast reads the stream&apos;s address from the link and hands it to the player.</source>
        <translation>Der Xing-StreamWorks-Player spielt StreamWorks-Audio und -Video (.xdm) ab. Skylark! Broadcast liest die Adresse des Streams aus dem Link und übergibt sie dem Player.</translation>
    </message>
    <message>
        <source>Made by the publishers of Xing StreamWorks. Download it from the player&apos;s own web site.</source>
        <translation>Von den Herausgebern von Xing StreamWorks. Herunterladen von der Website des Players.</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>it holds binary data, not a playlist</source>
        <translation>sie enthält Binärdaten, keine Wiedergabeliste</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>sie ist größer als %1 MiB</translation>
    </message>
</context>
<context>
    <name>PresetStrip</name>
    <message>
        <source>Station Presets</source>
        <translation>Stationstasten</translation>
    </message>
    <message>
        <source>Preset %1, empty</source>
        <translation>Stationstaste %1, leer</translation>
    </message>
    <message>
        <source>Preset %1: %2</source>
        <translation>Stationstaste %1: %2</translation>
    </message>
</context>
<context>
    <name>PresetTable</name>
    <message>
        <source>Drag and Drop station listing here while holding Shift Key</source>
        <translation>Sender bei gedrückter Umschalttaste hierher ziehen</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Skylark! Broadcast cannot write to its data folder %1. Searching and playing still work; station scans and bookmarks need that folder.</source>
        <translation>Skylark! Broadcast kann nicht in seinen Datenordner %1 schreiben. Suchen und Abspielen funktionieren weiter; Sender-Scans und Lesezeichen brauchen diesen Ordner.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1. Check that the folder exists and can be written.</source>
        <translation>Ihre Einstellungen konnten nicht in %1 gespeichert werden. Prüfen Sie, ob der Ordner existiert und beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>QuickHelpWindow</name>
    <message>
        <source>Skylark! Broadcast - Quick Help</source>
        <translation>Skylark! Broadcast - Kurzhilfe</translation>
    </message>
    <message>
        <source>Live Search</source>
        <translation>Live-Suche</translation>
    </message>
    <message>
        <source>Start the Live Search</source>
        <translation>Die Live-Suche starten</translation>
    </message>
    <message>
        <source>Enter radio station name, region (location), format or keyword to search for in search box and click the SEARCH button.</source>
        <translation>Geben Sie Sendername, Region (Ort), Format oder Stichwort in das Suchfeld ein und klicken Sie auf SUCHEN.</translation>
    </message>
    <message>
        <source>Select LIVE broadcasts.</source>
        <translation>Wählen Sie LIVE-Sendungen.</translation>
    </message>
    <message>
        <source>Once stations are listed, simply click the PLAY button to launch player and connect to station.  Bandwidth column indicates the quality of the broadcast station, the higher the bandwidth, the better the quality.</source>
        <translation>Sobald Sender aufgelistet sind, klicken Sie einfach auf ABSPIELEN, um den Player zu starten und den Sender zu empfangen.  Die Spalte Bandbreite zeigt die Qualität des Senders: je höher die Bandbreite, desto besser die Qualität.</translation>
    </message>
    <message>
        <source>Stream Search</source>
        <translation>Stream-Suche</translation>
    </message>
    <message>
        <source>Start the Audio/Video Stream Search</source>
        <translation>Die Audio-/Video-Stream-Suche starten</translation>
    </message>
    <message>
        <source>Enter keywords to search.  Our searchable database is growing daily and without limit to subject.  You may search for artists, movies, lectures, concerts, interviews or anything else you can possibly imagine.</source>
        <translation>Geben Sie Stichwörter ein.  Unsere Datenbank wächst täglich und kennt keine Themengrenzen.  Suchen Sie nach Künstlern, Filmen, Vorträgen, Konzerten, Interviews oder allem anderen, was Ihnen einfällt.</translation>
    </message>
    <message>
        <source>Select Audio &amp; Video Streams.</source>
        <translation>Wählen Sie Audio- &amp; Video-Streams.</translation>
    </message>
    <message>
        <source>Once listed, simply press the PLAY button to play the selected item.  If you have found something you like you can add it to your bookmarks or email it to a friend with the appropriate toolbar buttons.</source>
        <translation>Sobald Einträge aufgelistet sind, drücken Sie einfach ABSPIELEN, um den ausgewählten Eintrag abzuspielen.  Wenn Ihnen etwas gefällt, können Sie es mit den passenden Schaltflächen der Werkzeugleiste zu Ihren Lesezeichen hinzufügen oder einem Freund mailen.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Stationstasten</translation>
    </message>
    <message>
        <source>How Do I Use Presets?</source>
        <translation>Wie benutze ich Stationstasten?</translation>
    </message>
    <message>
        <source>Presets are used to save your favorite stations.  To set a preset, simply hold down the SHIFT key and drag the station listing from the results window to one of the colored preset buttons.</source>
        <translation>Auf Stationstasten speichern Sie Ihre Lieblingssender.  Um eine Taste zu belegen, halten Sie die UMSCHALTTASTE gedrückt und ziehen den Sender aus der Ergebnisliste auf eine der farbigen Stationstasten.</translation>
    </message>
    <message>
        <source>To access or play a station simply click the preset button.  If you want to see which stations are assigned to your presets, simply point the mouse cursor to the preset and the tooltip will appear showing the station name.</source>
        <translation>Um einen Sender abzurufen oder abzuspielen, klicken Sie einfach auf die Stationstaste.  Welcher Sender auf einer Taste liegt, sehen Sie, wenn Sie mit der Maus darauf zeigen: Der Tooltip zeigt den Sendernamen.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
    <message>
        <source>If you are behind a proxy or firewall, enter the proxy address and port in these settings to allow Skylark! Broadcast to communicate with the outside world.</source>
        <translation>Wenn Sie hinter einem Proxy oder einer Firewall sind, tragen Sie hier Adresse und Port des Proxys ein, damit Skylark! Broadcast mit der Außenwelt sprechen kann.</translation>
    </message>
    <message>
        <source>Locating and Downloading Players</source>
        <translation>Player finden und herunterladen</translation>
    </message>
    <message>
        <source>If you are missing a player, simply click on the player logo to visit the website and download desired player. Please close and restart Skylark! Broadcast before using the newly installed player.</source>
        <translation>Fehlt Ihnen ein Player, klicken Sie einfach auf sein Logo, um die Website zu besuchen und den Player herunterzuladen. Bitte beenden Sie Skylark! Broadcast und starten Sie es neu, bevor Sie den neuen Player verwenden.</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Using the Scanner</source>
        <translation>Den Scanner benutzen</translation>
    </message>
    <message>
        <source>The station scanner can be a great way to find stations without necessarily searching for them.  Simply press the SCAN button on the toolbar to start.</source>
        <translation>Mit dem Sender-Scanner finden Sie Sender, ohne nach ihnen suchen zu müssen.  Drücken Sie einfach SCANNEN in der Werkzeugleiste.</translation>
    </message>
    <message>
        <source>After opening the scan window, select the player you wish to use.  Skylark! Broadcast will then cycle through all the stations that can be played on the player you have selected.  Set the timeout to tell Skylark! Broadcast when to switch stations. </source>
        <translation>Wählen Sie im Scanfenster den gewünschten Player.  Skylark! Broadcast spielt dann nacheinander alle Sender, die dieser Player abspielen kann.  Die Wartezeit legt fest, wann Skylark! Broadcast zum nächsten Sender wechselt. </translation>
    </message>
    <message>
        <source>Visit the Skylark! Broadcast web site</source>
        <translation>Die Website von Skylark! Broadcast besuchen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>ResultsIconModel</name>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Internet Based</source>
        <translation>Im Internet</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Station</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Speed Kb/s</source>
        <translation>Rate Kb/s</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>BPS</source>
        <translation>BPS</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Zusatz</translation>
    </message>
</context>
<context>
    <name>ScanPresetDialog</name>
    <message>
        <source>Assign Preset</source>
        <translation>Stationstaste belegen</translation>
    </message>
    <message>
        <source>Select Preset to Assign Station</source>
        <translation>Stationstaste für den Sender wählen</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Belegen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Nicht belegt</translation>
    </message>
    <message>
        <source>Station currently assigned to Preset %1, Reassign ?</source>
        <translation>Stationstaste %1 ist schon belegt. Neu belegen?</translation>
    </message>
    <message>
        <source>Preset %1 Assigned to %2</source>
        <translation>Stationstaste %1 mit %2 belegt</translation>
    </message>
</context>
<context>
    <name>ScanStationList</name>
    <message>
        <source>Would You like to resume your scan from previous session?</source>
        <translation>Möchten Sie den Scan der letzten Sitzung fortsetzen?</translation>
    </message>
    <message>
        <source>Religious</source>
        <translation>Religiös</translation>
    </message>
    <message>
        <source>College</source>
        <translation>College-Radio</translation>
    </message>
    <message>
        <source>Talk/News</source>
        <translation>Talk/Nachrichten</translation>
    </message>
    <message>
        <source>Special (Police, Emergency, Scanner)</source>
        <translation>Spezial (Polizei, Notruf, Scanner)</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>50er</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>60er</translation>
    </message>
    <message>
        <source>70s</source>
        <translation>70er</translation>
    </message>
    <message>
        <source>80s</source>
        <translation>80er</translation>
    </message>
    <message>
        <source>90s</source>
        <translation>90er</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Adult Contemporary</source>
        <translation>Adult Contemporary</translation>
    </message>
    <message>
        <source>Big Band</source>
        <translation>Big Band</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Calypso</source>
        <translation>Calypso</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>Keltisch</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Klassik</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Experimental</source>
        <translation>Experimentell</translation>
    </message>
    <message>
        <source>Goth</source>
        <translation>Goth</translation>
    </message>
    <message>
        <source>Industrial</source>
        <translation>Industrial</translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>New Age</source>
        <translation>New Age</translation>
    </message>
    <message>
        <source>Oldtime</source>
        <translation>Oldtime</translation>
    </message>
    <message>
        <source>Oldies</source>
        <translation>Oldies</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Punk</source>
        <translation>Punk</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Ska</source>
        <translation>Ska</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Swing</translation>
    </message>
    <message>
        <source>Techno</source>
        <translation>Techno</translation>
    </message>
    <message>
        <source>Zydeco</source>
        <translation>Zydeco</translation>
    </message>
    <message>
        <source>Error Contacting Server, Please Try Back Later or Contact %1</source>
        <translation>Fehler beim Verbinden mit dem Server. Bitte später erneut versuchen oder %1 kontaktieren</translation>
    </message>
    <message>
        <source>No stations of this type (for selected player) are available for scan.</source>
        <translation>Für den gewählten Player gibt es keine Sender dieser Art zum Scannen.</translation>
    </message>
    <message>
        <source>No more stations available for scan.</source>
        <translation>Keine weiteren Sender zum Scannen verfügbar.</translation>
    </message>
    <message>
        <source>*All Stations</source>
        <translation>*Alle Sender</translation>
    </message>
</context>
<context>
    <name>ScanStep</name>
    <message>
        <source>The last %1 stations ended before they started playing, so the scan has stopped. Please check that your players are installed and work (see setup).</source>
        <translation>Die letzten %1 Sender endeten, bevor sie zu spielen begannen, daher wurde der Scan angehalten. Bitte prüfen Sie, ob Ihre Player installiert sind und funktionieren (siehe Einstellungen).</translation>
    </message>
    <message>
        <source>Next Station..</source>
        <translation>Nächster Sender..</translation>
    </message>
    <message>
        <source>Switching Stations</source>
        <translation>Senderwechsel</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>Wiedergabe...</translation>
    </message>
    <message>
        <source>0 Seconds</source>
        <translation>0 Sekunden</translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation>Wird beendet...</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
</context>
<context>
    <name>ScanWindow</name>
    <message>
        <source>Before starting the scan function by selecting your player, please be sure all players are closed and the audio device is not in use (otherwise the scan function will not work properly).</source>
        <translation>Bevor Sie den Scan durch die Wahl Ihres Players starten, schließen Sie bitte alle Player und stellen Sie sicher, dass das Audiogerät frei ist (sonst funktioniert der Scan nicht richtig).</translation>
    </message>
    <message>
        <source>The scan function requires both the RealPlayer and Microsoft Media Player to function correctly, please download and install them before using scan. (see setup)</source>
        <translation>Der Scan braucht RealPlayer und Microsoft Media Player, um richtig zu funktionieren. Bitte laden Sie beide herunter und installieren Sie sie vor dem Scannen. (siehe Einstellungen)</translation>
    </message>
    <message>
        <source>You are missing necessary files to operate in scan mode.  Files (projModr.exe and/or projModm.exe) are missing!</source>
        <translation>Ihnen fehlen Dateien, die der Scan braucht.  Die Dateien (projModr.exe und/oder projModm.exe) fehlen!</translation>
    </message>
    <message>
        <source>Critical Error. You are missing either RealPlayer or Microsoft Media Player on your computer.  These players are necessary to use the scan function.</source>
        <translation>Kritischer Fehler. Auf Ihrem Computer fehlt RealPlayer oder Microsoft Media Player.  Diese Player sind für den Scan nötig.</translation>
    </message>
    <message>
        <source> - Station Scan</source>
        <translation> - Sender-Scan</translation>
    </message>
    <message>
        <source>Loading Stations..</source>
        <translation>Sender werden geladen..</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Select Stream Type</source>
        <translation>Stream-Art wählen</translation>
    </message>
    <message>
        <source>Station style</source>
        <translation>Senderart</translation>
    </message>
    <message>
        <source>Choose Player</source>
        <translation>Player wählen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Change Every</source>
        <translation>Wechsel alle</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Include Unknown Format Stations</source>
        <translation>Unbekannte Formate einbeziehen</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>BPS</source>
        <translation>BPS</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Add Preset</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>SearchRequest</name>
    <message>
        <source>Phone Modem 28.8</source>
        <translation>Telefonmodem 28.8</translation>
    </message>
    <message>
        <source>Phone Modem 33.6</source>
        <translation>Telefonmodem 33.6</translation>
    </message>
    <message>
        <source>Phone Modem 56k</source>
        <translation>Telefonmodem 56k</translation>
    </message>
    <message>
        <source>ISDN 64k</source>
        <translation>ISDN 64k</translation>
    </message>
    <message>
        <source>ISDN 128k</source>
        <translation>ISDN 128k</translation>
    </message>
    <message>
        <source>Cable/DSL</source>
        <translation>Kabel/DSL</translation>
    </message>
</context>
<context>
    <name>SearchRun</name>
    <message>
        <source>  Search Results (%1)</source>
        <translation>  Suchergebnisse (%1)</translation>
    </message>
    <message>
        <source>Please enter keyword(s) for search.</source>
        <translation>Bitte geben Sie Suchbegriffe ein.</translation>
    </message>
    <message>
        <source>Please enter search text.</source>
        <translation>Bitte geben Sie einen Suchtext ein.</translation>
    </message>
    <message>
        <source>This feature is only used for LIVE Broadcasts, please select LIVE Broadcasts below.</source>
        <translation>Diese Funktion gibt es nur für LIVE-Sendungen, bitte wählen Sie unten LIVE-Sendungen.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Error connecting to Quillon Technologies. If this problem persists, please contact %1</source>
        <translation>Fehler beim Verbinden mit Quillon Technologies. Wenn das Problem bleibt, wenden Sie sich bitte an %1</translation>
    </message>
    <message>
        <source>The directory&apos;s page is too large to read; the search was stopped. The results read so far are shown.</source>
        <translation>Die Seite des Verzeichnisses ist zu groß zum Lesen; die Suche wurde angehalten. Die bisher gelesenen Ergebnisse werden angezeigt.</translation>
    </message>
    <message>
        <source>The search found more than %1 results; only the first %1 are shown. Try a more specific search.</source>
        <translation>Die Suche fand mehr als %1 Ergebnisse; nur die ersten %1 werden angezeigt. Versuchen Sie eine genauere Suche.</translation>
    </message>
    <message>
        <source>The search found more results than can be held; only the first %1 are shown. Try a more specific search.</source>
        <translation>Die Suche fand mehr Ergebnisse, als gehalten werden können; nur die ersten %1 werden angezeigt. Versuchen Sie eine genauere Suche.</translation>
    </message>
    <message>
        <source> **NOTE : Not all player formats are selected, this may cause you receive less results.</source>
        <translation> **HINWEIS : Nicht alle Player-Formate sind ausgewählt, dadurch erhalten Sie womöglich weniger Ergebnisse.</translation>
    </message>
    <message>
        <source>No results returned. Try a less specific search. </source>
        <translation>Keine Ergebnisse. Versuchen Sie eine allgemeinere Suche. </translation>
    </message>
    <message>
        <source>Error retrieving data, Please check your Internet connection or contact %1 for system status.</source>
        <translation>Fehler beim Abrufen der Daten. Bitte prüfen Sie Ihre Internetverbindung oder fragen Sie bei %1 nach dem Systemstatus.</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Skylark! Broadcast - Setup</source>
        <translation>Skylark! Broadcast - Einstellungen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Select Format</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Select Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Player Location</source>
        <translation>Player-Pfad</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select Formats to Include in Search Results...</source>
        <translation>Formate für die Suchergebnisse wählen...</translation>
    </message>
    <message>
        <source>RealPlayer (Audio)</source>
        <translation>RealPlayer (Audio)</translation>
    </message>
    <message>
        <source>RealPlayer (Video)</source>
        <translation>RealPlayer (Video)</translation>
    </message>
    <message>
        <source>Microsoft Media (Audio)</source>
        <translation>Microsoft Media (Audio)</translation>
    </message>
    <message>
        <source>Microsoft Media (Video)</source>
        <translation>Microsoft Media (Video)</translation>
    </message>
    <message>
        <source>MP3 ShoutCast</source>
        <translation>MP3 ShoutCast</translation>
    </message>
    <message>
        <source>Xing Streaming Audio/Video</source>
        <translation>Xing-Streaming Audio/Video</translation>
    </message>
    <message>
        <source>%1 Player Website</source>
        <translation>Website von %1</translation>
    </message>
    <message>
        <source>Single Click the Logo to Visit Player Website and Download Player. </source>
        <translation>Ein Klick auf das Logo öffnet die Website des Players zum Herunterladen. </translation>
    </message>
    <message>
        <source>If your Internet connection requires a firewall/proxy, please enter that information here so that you may access the Internet with Skylark! Broadcast.</source>
        <translation>Wenn Ihre Internetverbindung über eine Firewall oder einen Proxy läuft, tragen Sie die Angaben hier ein, damit Skylark! Broadcast ins Internet kommt.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Optimize results for</source>
        <translation>Ergebnisse optimieren für</translation>
    </message>
    <message>
        <source>Please select your connection type so that your Skylark! Broadcast experience may be the most enjoyable and useful.  Please note that by optimizing for higher connection speeds beyond your connection may result in skipping or inability to play streams.</source>
        <translation>Bitte wählen Sie Ihre Verbindungsart, damit Skylark! Broadcast Ihnen möglichst viel Freude und Nutzen bringt.  Beachten Sie: Wer für schnellere Verbindungen optimiert, als er hat, muss mit Aussetzern oder nicht abspielbaren Streams rechnen.</translation>
    </message>
    <message>
        <source>Please enter a proxy port from 1 to 65535.</source>
        <translation>Bitte geben Sie einen Proxy-Port von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Skylark! Broadcast is only compatible with WinAMP Standard versions 2.24 and greater.</source>
        <translation>Skylark! Broadcast arbeitet nur mit WinAMP Standard ab Version 2.24.</translation>
    </message>
    <message>
        <source>Select Connection</source>
        <translation>Verbindung wählen</translation>
    </message>
    <message>
        <source>All Connections</source>
        <translation>Alle Verbindungen</translation>
    </message>
</context>
<context>
    <name>ShellOpener</name>
    <message>
        <source>Error executing application or file not found</source>
        <translation>Fehler beim Ausführen des Programms oder Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unable to contact server, please try back later.</source>
        <translation>Der Server ist nicht erreichbar, bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Please select your connection type so that you may receive the best content for your speed.</source>
        <translation>Bitte wählen Sie Ihre Verbindungsart, damit Sie die besten Inhalte für Ihre Geschwindigkeit erhalten.</translation>
    </message>
</context>
<context>
    <name>StreamFormat</name>
    <message>
        <source>%1 Stream</source>
        <translation>%1-Stream</translation>
    </message>
</context>
<context>
    <name>WebWindow</name>
    <message>
        <source>Mini-browser</source>
        <translation>Mini-Browser</translation>
    </message>
    <message>
        <source>Launch My Browser</source>
        <translation>Meinen Browser öffnen</translation>
    </message>
    <message>
        <source>The mini-browser cannot show web pages on this computer. Use Visit Stream Website to open a station&apos;s site in your browser.</source>
        <translation>Der Mini-Browser kann auf diesem Computer keine Webseiten anzeigen. Öffnen Sie die Website eines Senders mit „Stream-Website besuchen“ in Ihrem Browser.</translation>
    </message>
</context>
</TS>
