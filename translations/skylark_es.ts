<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Soporte</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>BookmarkList</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>it does not begin with &quot;%1&quot;</source>
        <translation>no empieza por «%1»</translation>
    </message>
    <message>
        <source>line %1 is not a bookmark</source>
        <translation>la línea %1 no es un marcador</translation>
    </message>
    <message>
        <source>the unreadable file %1 is still in the way</source>
        <translation>el archivo ilegible %1 sigue estorbando</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>BookmarksWindow</name>
    <message>
        <source>Playlists (*.m3u *.m3u8 *.pls)</source>
        <translation>Listas de reproducción (*.m3u *.m3u8 *.pls)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Export to Playlist…</source>
        <translation>&amp;Exportar a lista de reproducción…</translation>
    </message>
    <message>
        <source>&amp;Import Playlist…</source>
        <translation>&amp;Importar lista de reproducción…</translation>
    </message>
    <message>
        <source>It could not be moved aside either; bookmarks will not be saved over it.</source>
        <translation>Tampoco se pudo apartar; los marcadores no se guardarán encima.</translation>
    </message>
    <message>
        <source>It was kept as %1, and the bookmarks list starts empty.</source>
        <translation>Se ha conservado como %1 y la lista de marcadores empieza vacía.</translation>
    </message>
    <message>
        <source>The bookmarks file %1 could not be read: %2.

%3</source>
        <translation>No se pudo leer el archivo de marcadores %1: %2.

%3</translation>
    </message>
    <message>
        <source>The bookmarks could not be saved to %1: %2.

The file keeps its earlier contents.</source>
        <translation>No se pudieron guardar los marcadores en %1: %2.

El archivo conserva su contenido anterior.</translation>
    </message>
    <message>
        <source>The playlist could not be written to %1: %2.</source>
        <translation>No se pudo escribir la lista de reproducción en %1: %2.</translation>
    </message>
    <message>
        <source>Exported %1 bookmarks to %2</source>
        <translation>%1 marcadores exportados a %2</translation>
    </message>
    <message>
        <source>left out (link not fit for a playlist)</source>
        <translation>omitidos (enlace no apto para una lista de reproducción)</translation>
    </message>
    <message>
        <source>The playlist %1 could not be read: %2.</source>
        <translation>No se pudo leer la lista de reproducción %1: %2.</translation>
    </message>
    <message>
        <source>Imported %1 bookmarks from %2</source>
        <translation>%1 marcadores importados de %2</translation>
    </message>
    <message>
        <source>already bookmarked</source>
        <translation>ya estaban en marcadores</translation>
    </message>
    <message>
        <source>not a stream address</source>
        <translation>no son direcciones de transmisión</translation>
    </message>
    <message>
        <source>with control characters or a leading &quot;-&quot;</source>
        <translation>con caracteres de control o un «-» inicial</translation>
    </message>
    <message>
        <source>too long (over %1 characters)</source>
        <translation>demasiado largos (más de %1 caracteres)</translation>
    </message>
    <message>
        <source>over the limit of %1</source>
        <translation>por encima del límite de %1</translation>
    </message>
    <message>
        <source>Cannot add live stations to bookmarks, please use presets.</source>
        <translation>No se pueden añadir emisoras en directo a marcadores; use las presintonías.</translation>
    </message>
</context>
<context>
    <name>DesktopDialogs</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>ErrorPages</name>
    <message>
        <source>Error 302 : Document Moved Temporarily</source>
        <translation>Error 302 : documento movido temporalmente</translation>
    </message>
    <message>
        <source>Error 301 : Document Moved Permanently</source>
        <translation>Error 301 : documento movido permanentemente</translation>
    </message>
    <message>
        <source>Error 404 : Object Not Found</source>
        <translation>Error 404 : objeto no encontrado</translation>
    </message>
    <message>
        <source>Error 404 : File Not Found</source>
        <translation>Error 404 : archivo no encontrado</translation>
    </message>
    <message>
        <source>Error (Forbidden) : You are not permitted to access this site.</source>
        <translation>Error (prohibido) : no tiene permiso para acceder a este sitio.</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>College</source>
        <translation>Universitarias</translation>
    </message>
    <message>
        <source>Religious</source>
        <translation>Religiosas</translation>
    </message>
    <message>
        <source>Talk/News</source>
        <translation>Tertulias/Noticias</translation>
    </message>
    <message>
        <source>Live Television</source>
        <translation>Televisión en directo</translation>
    </message>
    <message>
        <source>Special (Police, Scanners, Emergency)</source>
        <translation>Especial (policía, escáneres, emergencias)</translation>
    </message>
    <message>
        <source>50&apos;s</source>
        <translation>Años 50</translation>
    </message>
    <message>
        <source>60&apos;s</source>
        <translation>Años 60</translation>
    </message>
    <message>
        <source>70s</source>
        <translation>Años 70</translation>
    </message>
    <message>
        <source>80s</source>
        <translation>Años 80</translation>
    </message>
    <message>
        <source>90s</source>
        <translation>Años 90</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Adult Contemporary</source>
        <translation>Adulto contemporáneo</translation>
    </message>
    <message>
        <source>Big Band</source>
        <translation>Big band</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Calypso</source>
        <translation>Calipso</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>Celta</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Clásica</translation>
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
        <translation>Experimental</translation>
    </message>
    <message>
        <source>Goth</source>
        <translation>Gótica</translation>
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
        <translation>New age</translation>
    </message>
    <message>
        <source>Oldtime</source>
        <translation>Old-time</translation>
    </message>
    <message>
        <source>Oldies</source>
        <translation>Éxitos de siempre</translation>
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
        <translation>La dirección de la transmisión contiene caracteres de control y no se puede reproducir.</translation>
    </message>
    <message>
        <source>The stream address begins with &quot;-&quot; and cannot be played.</source>
        <translation>La dirección de la transmisión empieza por «-» y no se puede reproducir.</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Start Search</source>
        <translation>Iniciar búsqueda</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Detener búsqueda</translation>
    </message>
    <message>
        <source>Open Mini-Browser on Preview</source>
        <translation>Abrir el mininavegador al previsualizar</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Setup Options</source>
        <translation>Opciones de configuración</translation>
    </message>
    <message>
        <source>&amp;Add a Station</source>
        <translation>Añadir una &amp;emisora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>&amp;Iniciar búsqueda</translation>
    </message>
    <message>
        <source>S&amp;top Search</source>
        <translation>&amp;Detener búsqueda</translation>
    </message>
    <message>
        <source>&amp;Play Stream</source>
        <translation>&amp;Reproducir transmisión</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Play Stream</source>
        <translation>Reproducir transmisión</translation>
    </message>
    <message>
        <source>&amp;Visit Stream Website</source>
        <translation>&amp;Visitar el sitio web</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Visit Stream Website</source>
        <translation>Visitar el sitio web de la transmisión</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Email Link to a Friend</source>
        <translation>&amp;Enviar enlace a un amigo</translation>
    </message>
    <message>
        <source>Email Link</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Email Link to a Friend</source>
        <translation>Enviar el enlace a un amigo por correo</translation>
    </message>
    <message>
        <source>S&amp;can Stations</source>
        <translation>E&amp;scanear emisoras</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escanear</translation>
    </message>
    <message>
        <source>Scan Stations</source>
        <translation>Escanear emisoras</translation>
    </message>
    <message>
        <source>&amp;Show Bookmarks</source>
        <translation>&amp;Mostrar marcadores</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Modify Bookmarks</source>
        <translation>Modificar marcadores</translation>
    </message>
    <message>
        <source>&amp;Add Selected Items to Bookmarks</source>
        <translation>&amp;Añadir selección a marcadores</translation>
    </message>
    <message>
        <source>Add Selected Item to Bookmarks</source>
        <translation>Añadir el elemento seleccionado a marcadores</translation>
    </message>
    <message>
        <source>&amp;Quick Help</source>
        <translation>&amp;Ayuda rápida</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Soporte</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Please close station scanning window.</source>
        <translation>Cierre la ventana de escaneo de emisoras.</translation>
    </message>
    <message>
        <source>No website available.</source>
        <translation>No hay sitio web disponible.</translation>
    </message>
    <message>
        <source>Drag and Drop station here while holding Shift Key to assign preset</source>
        <translation>Arrastre aquí una emisora con Mayús pulsada para asignar la presintonía</translation>
    </message>
    <message>
        <source>Presets may only be used for live radio and television stations, please use bookmarks instead.</source>
        <translation>Las presintonías solo sirven para emisoras de radio y televisión en directo; use marcadores en su lugar.</translation>
    </message>
    <message>
        <source>Station currently assigned to Preset %1, Reassign ?</source>
        <translation>La presintonía %1 ya tiene una emisora. ¿Reasignarla?</translation>
    </message>
    <message>
        <source>Preset %1 Assigned to %2</source>
        <translation>Presintonía %1 asignada a %2</translation>
    </message>
    <message>
        <source>No item selected.</source>
        <translation>No hay ningún elemento seleccionado.</translation>
    </message>
    <message>
        <source>Skylark! Broadcast will now start your mail program, to insert the link press CTRL+V or paste it into the message.</source>
        <translation>Skylark! Broadcast abrirá ahora su programa de correo; para insertar el enlace pulse CTRL+V o péguelo en el mensaje.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Marcadores</translation>
    </message>
    <message>
        <source>&amp;Select Format</source>
        <translation>&amp;Seleccionar formato</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Add Selected Item to Bookmarks</source>
        <translation>Añadir el elemento seleccionado a marcadores</translation>
    </message>
    <message>
        <source>Show Bookmarks</source>
        <translation>Mostrar marcadores</translation>
    </message>
    <message>
        <source>Assi&amp;gn to Preset</source>
        <translation>Asi&amp;gnar a presintonía</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Music Style</source>
        <translation>Estilo musical</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>  Search</source>
        <translation>  Búsqueda</translation>
    </message>
    <message>
        <source>  Search Results</source>
        <translation>  Resultados</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progreso de la búsqueda</translation>
    </message>
    <message>
        <source>LIVE Broadcasts</source>
        <translation>En DIRECTO</translation>
    </message>
    <message>
        <source>Click here to search for live radio and television broadcasts</source>
        <translation>Pulse aquí para buscar emisiones de radio y televisión en directo</translation>
    </message>
    <message>
        <source>Streaming Audio &amp;&amp; Video</source>
        <translation>Audio &amp;&amp; vídeo</translation>
    </message>
    <message>
        <source>Click here to search for streaming audio and video clips, movies, concerts and more</source>
        <translation>Pulse aquí para buscar clips de audio y vídeo, películas, conciertos y más</translation>
    </message>
    <message>
        <source>Single click to display stream website or click PLAY button to play.</source>
        <translation>Un clic muestra el sitio web de la transmisión; el botón REPRODUCIR la reproduce.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Enter Station Name, Format, Region or Keywords</source>
        <translation>Escriba emisora, formato, región o palabras clave</translation>
    </message>
    <message>
        <source>Enter Keywords (Subject, Band Name, Person, etc)</source>
        <translation>Escriba palabras clave (tema, grupo, persona, etc.)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>PlayDispatch</name>
    <message>
        <source>No item selected.</source>
        <translation>No hay ningún elemento seleccionado.</translation>
    </message>
    <message>
        <source>Looking for Player..</source>
        <translation>Buscando reproductor..</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>Reproduciendo...</translation>
    </message>
    <message>
        <source>Cannot connect..</source>
        <translation>No se puede conectar..</translation>
    </message>
</context>
<context>
    <name>PlayerDiscovery</name>
    <message>
        <source>You are missing neccesary players to take full advantage of Skylark!&apos;s functionality.</source>
        <translation>Le faltan reproductores necesarios para aprovechar todas las funciones de Skylark!.</translation>
    </message>
    <message>
        <source>Please manually locate players or download by clicking on the appropriate player logo and remember to close and restart Skylark! Broadcast after installing a new player.</source>
        <translation>Localice los reproductores manualmente o descárguelos pulsando en el logotipo correspondiente, y recuerde cerrar y reiniciar Skylark! Broadcast después de instalar un reproductor nuevo.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Launching RealPlayer</source>
        <translation>Iniciando RealPlayer</translation>
    </message>
    <message>
        <source>Unable to locate RealPlayer.</source>
        <translation>No se encuentra RealPlayer.</translation>
    </message>
    <message>
        <source>RealPlayer plays the RealPlayer audio and video streams (.ra, .ram, .rm, .smil) that many live radio and television stations send over the Internet.</source>
        <translation>RealPlayer reproduce las transmisiones de audio y vídeo de RealPlayer (.ra, .ram, .rm, .smil) que emiten por Internet muchas emisoras de radio y televisión en directo.</translation>
    </message>
    <message>
        <source>Made by the publishers of RealPlayer. Download it from the player&apos;s own web site.</source>
        <translation>Creado por los editores de RealPlayer. Descárguelo del sitio web del reproductor.</translation>
    </message>
    <message>
        <source>Launching Microsoft Media Player</source>
        <translation>Iniciando Microsoft Media Player</translation>
    </message>
    <message>
        <source>Unable to locate Microsoft Media Player.</source>
        <translation>No se encuentra Microsoft Media Player.</translation>
    </message>
    <message>
        <source>Windows Media Player plays audio and video streams in its own formats (.asf, .asx, .wma, .wmv), used by many stations and archives.</source>
        <translation>Windows Media Player reproduce transmisiones de audio y vídeo en sus propios formatos (.asf, .asx, .wma, .wmv), que usan muchas emisoras y archivos.</translation>
    </message>
    <message>
        <source>Made by the publishers of Windows Media Player. Download it from the player&apos;s own web site.</source>
        <translation>Creado por los editores de Windows Media Player. Descárguelo del sitio web del reproductor.</translation>
    </message>
    <message>
        <source>Launching WinAMP</source>
        <translation>Iniciando WinAMP</translation>
    </message>
    <message>
        <source>Unable to locate WinAmp.</source>
        <translation>No se encuentra WinAmp.</translation>
    </message>
    <message>
        <source>Winamp plays MP3 streams and the play lists (.pls, .m3u) of MP3 radio stations. Skylark! Broadcast works with version 2.24 and later.</source>
        <translation>Winamp reproduce transmisiones MP3 y las listas de reproducción (.pls, .m3u) de las emisoras MP3. Skylark! Broadcast funciona con la versión 2.24 y posteriores.</translation>
    </message>
    <message>
        <source>Made by the publishers of Winamp. Download it from the player&apos;s own web site.</source>
        <translation>Creado por los editores de Winamp. Descárguelo del sitio web del reproductor.</translation>
    </message>
    <message>
        <source>Launching StreamWorks Player</source>
        <translation>Iniciando StreamWorks Player</translation>
    </message>
    <message>
        <source>Unable to locate StreamWorks Player.</source>
        <translation>No se encuentra StreamWorks Player.</translation>
    </message>
    <message>
        <source>The Xing StreamWorks player plays StreamWorks audio and video (.xdm). Skylark! Broadcast reads the stream&apos;s address from the link and hands it to the player.</source>
        <translation>El reproductor Xing StreamWorks reproduce audio y vídeo StreamWorks (.xdm). Skylark! Broadcast lee la dirección de la transmisión en el enlace y se la pasa al reproductor.</translation>
    </message>
    <message>
        <source>Made by the publishers of Xing StreamWorks. Download it from the player&apos;s own web site.</source>
        <translation>Creado por los editores de Xing StreamWorks. Descárguelo del sitio web del reproductor.</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>it holds binary data, not a playlist</source>
        <translation>contiene datos binarios, no una lista de reproducción</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>ocupa más de %1 MiB</translation>
    </message>
</context>
<context>
    <name>PresetStrip</name>
    <message>
        <source>Station Presets</source>
        <translation>Presintonías</translation>
    </message>
    <message>
        <source>Preset %1, empty</source>
        <translation>Presintonía %1, vacía</translation>
    </message>
    <message>
        <source>Preset %1: %2</source>
        <translation>Presintonía %1: %2</translation>
    </message>
</context>
<context>
    <name>PresetTable</name>
    <message>
        <source>Drag and Drop station listing here while holding Shift Key</source>
        <translation>Arrastre aquí una emisora con Mayús pulsada</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Skylark! Broadcast cannot write to its data folder %1. Searching and playing still work; station scans and bookmarks need that folder.</source>
        <translation>Skylark! Broadcast no puede escribir en su carpeta de datos %1. Buscar y reproducir siguen funcionando; el escaneo de emisoras y los marcadores necesitan esa carpeta.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1. Check that the folder exists and can be written.</source>
        <translation>No se pudo guardar la configuración en %1. Compruebe que la carpeta existe y se puede escribir en ella.</translation>
    </message>
</context>
<context>
    <name>QuickHelpWindow</name>
    <message>
        <source>Skylark! Broadcast - Quick Help</source>
        <translation>Skylark! Broadcast - Ayuda rápida</translation>
    </message>
    <message>
        <source>Live Search</source>
        <translation>Búsqueda en directo</translation>
    </message>
    <message>
        <source>Start the Live Search</source>
        <translation>Iniciar la búsqueda en directo</translation>
    </message>
    <message>
        <source>Enter radio station name, region (location), format or keyword to search for in search box and click the SEARCH button.</source>
        <translation>Escriba en el cuadro de búsqueda el nombre de la emisora, la región (lugar), el formato o una palabra clave y pulse el botón BUSCAR.</translation>
    </message>
    <message>
        <source>Select LIVE broadcasts.</source>
        <translation>Seleccione En DIRECTO.</translation>
    </message>
    <message>
        <source>Once stations are listed, simply click the PLAY button to launch player and connect to station.  Bandwidth column indicates the quality of the broadcast station, the higher the bandwidth, the better the quality.</source>
        <translation>Cuando aparezcan las emisoras, pulse el botón REPRODUCIR para abrir el reproductor y conectar con la emisora.  La columna de ancho de banda indica la calidad de la emisora: cuanto mayor es el ancho de banda, mejor es la calidad.</translation>
    </message>
    <message>
        <source>Stream Search</source>
        <translation>Búsqueda de streams</translation>
    </message>
    <message>
        <source>Start the Audio/Video Stream Search</source>
        <translation>Iniciar la búsqueda de audio y vídeo</translation>
    </message>
    <message>
        <source>Enter keywords to search.  Our searchable database is growing daily and without limit to subject.  You may search for artists, movies, lectures, concerts, interviews or anything else you can possibly imagine.</source>
        <translation>Escriba palabras clave.  Nuestra base de datos crece a diario y no tiene límite de temas.  Puede buscar artistas, películas, conferencias, conciertos, entrevistas o cualquier cosa que se le ocurra.</translation>
    </message>
    <message>
        <source>Select Audio &amp; Video Streams.</source>
        <translation>Seleccione Audio &amp; vídeo.</translation>
    </message>
    <message>
        <source>Once listed, simply press the PLAY button to play the selected item.  If you have found something you like you can add it to your bookmarks or email it to a friend with the appropriate toolbar buttons.</source>
        <translation>Cuando aparezca la lista, pulse el botón REPRODUCIR para reproducir el elemento seleccionado.  Si encuentra algo que le guste, puede añadirlo a sus marcadores o enviarlo por correo a un amigo con los botones de la barra de herramientas.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presintonías</translation>
    </message>
    <message>
        <source>How Do I Use Presets?</source>
        <translation>¿Cómo uso las presintonías?</translation>
    </message>
    <message>
        <source>Presets are used to save your favorite stations.  To set a preset, simply hold down the SHIFT key and drag the station listing from the results window to one of the colored preset buttons.</source>
        <translation>Las presintonías guardan sus emisoras favoritas.  Para asignar una, mantenga pulsada la tecla MAYÚS y arrastre la emisora desde la ventana de resultados hasta uno de los botones de colores.</translation>
    </message>
    <message>
        <source>To access or play a station simply click the preset button.  If you want to see which stations are assigned to your presets, simply point the mouse cursor to the preset and the tooltip will appear showing the station name.</source>
        <translation>Para acceder a una emisora o reproducirla, pulse el botón de la presintonía.  Para ver qué emisoras tiene asignadas, sitúe el puntero del ratón sobre la presintonía y aparecerá el nombre de la emisora.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Ajustes del proxy</translation>
    </message>
    <message>
        <source>If you are behind a proxy or firewall, enter the proxy address and port in these settings to allow Skylark! Broadcast to communicate with the outside world.</source>
        <translation>Si está detrás de un proxy o un cortafuegos, escriba aquí la dirección y el puerto del proxy para que Skylark! Broadcast pueda comunicarse con el exterior.</translation>
    </message>
    <message>
        <source>Locating and Downloading Players</source>
        <translation>Localizar y descargar reproductores</translation>
    </message>
    <message>
        <source>If you are missing a player, simply click on the player logo to visit the website and download desired player. Please close and restart Skylark! Broadcast before using the newly installed player.</source>
        <translation>Si le falta un reproductor, pulse en su logotipo para visitar el sitio web y descargarlo. Cierre y vuelva a abrir Skylark! Broadcast antes de usar el reproductor recién instalado.</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Escáner</translation>
    </message>
    <message>
        <source>Using the Scanner</source>
        <translation>Uso del escáner</translation>
    </message>
    <message>
        <source>The station scanner can be a great way to find stations without necessarily searching for them.  Simply press the SCAN button on the toolbar to start.</source>
        <translation>El escáner de emisoras es una buena forma de encontrar emisoras sin tener que buscarlas.  Pulse el botón ESCANEAR de la barra de herramientas para empezar.</translation>
    </message>
    <message>
        <source>After opening the scan window, select the player you wish to use.  Skylark! Broadcast will then cycle through all the stations that can be played on the player you have selected.  Set the timeout to tell Skylark! Broadcast when to switch stations. </source>
        <translation>Tras abrir la ventana de escaneo, elija el reproductor que quiere usar.  Skylark! Broadcast recorrerá todas las emisoras que ese reproductor puede reproducir.  El tiempo de espera indica a Skylark! Broadcast cuándo cambiar de emisora. </translation>
    </message>
    <message>
        <source>Visit the Skylark! Broadcast web site</source>
        <translation>Visitar el sitio web de Skylark! Broadcast</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Internet Based</source>
        <translation>En Internet</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Station</source>
        <translation>Emisora</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Speed Kb/s</source>
        <translation>Veloc. Kb/s</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>Dur.</translation>
    </message>
    <message>
        <source>BPS</source>
        <translation>BPS</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Adicional</translation>
    </message>
</context>
<context>
    <name>ScanPresetDialog</name>
    <message>
        <source>Assign Preset</source>
        <translation>Asignar presintonía</translation>
    </message>
    <message>
        <source>Select Preset to Assign Station</source>
        <translation>Elija la presintonía para la emisora</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Asignar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Sin asignar</translation>
    </message>
    <message>
        <source>Station currently assigned to Preset %1, Reassign ?</source>
        <translation>La presintonía %1 ya tiene una emisora. ¿Reasignarla?</translation>
    </message>
    <message>
        <source>Preset %1 Assigned to %2</source>
        <translation>Presintonía %1 asignada a %2</translation>
    </message>
</context>
<context>
    <name>ScanStationList</name>
    <message>
        <source>Would You like to resume your scan from previous session?</source>
        <translation>¿Desea reanudar el escaneo de la sesión anterior?</translation>
    </message>
    <message>
        <source>Religious</source>
        <translation>Religiosas</translation>
    </message>
    <message>
        <source>College</source>
        <translation>Universitarias</translation>
    </message>
    <message>
        <source>Talk/News</source>
        <translation>Tertulias/Noticias</translation>
    </message>
    <message>
        <source>Special (Police, Emergency, Scanner)</source>
        <translation>Especial (policía, emergencias, escáner)</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>Años 50</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>Años 60</translation>
    </message>
    <message>
        <source>70s</source>
        <translation>Años 70</translation>
    </message>
    <message>
        <source>80s</source>
        <translation>Años 80</translation>
    </message>
    <message>
        <source>90s</source>
        <translation>Años 90</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Adult Contemporary</source>
        <translation>Adulto contemporáneo</translation>
    </message>
    <message>
        <source>Big Band</source>
        <translation>Big band</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Calypso</source>
        <translation>Calipso</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>Celta</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Clásica</translation>
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
        <translation>Experimental</translation>
    </message>
    <message>
        <source>Goth</source>
        <translation>Gótica</translation>
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
        <translation>New age</translation>
    </message>
    <message>
        <source>Oldtime</source>
        <translation>Old-time</translation>
    </message>
    <message>
        <source>Oldies</source>
        <translation>Éxitos de siempre</translation>
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
        <translation>Error al contactar con el servidor. Inténtelo más tarde o escriba a %1</translation>
    </message>
    <message>
        <source>No stations of this type (for selected player) are available for scan.</source>
        <translation>No hay emisoras de este tipo (para el reproductor elegido) disponibles para escanear.</translation>
    </message>
    <message>
        <source>No more stations available for scan.</source>
        <translation>No quedan emisoras para escanear.</translation>
    </message>
    <message>
        <source>*All Stations</source>
        <translation>*Todas las emisoras</translation>
    </message>
</context>
<context>
    <name>ScanStep</name>
    <message>
        <source>The last %1 stations ended before they started playing, so the scan has stopped. Please check that your players are installed and work (see setup).</source>
        <translation>Las últimas %1 emisoras terminaron antes de empezar a sonar, así que el escaneo se ha detenido. Compruebe que sus reproductores están instalados y funcionan (vea la configuración).</translation>
    </message>
    <message>
        <source>Next Station..</source>
        <translation>Siguiente emisora..</translation>
    </message>
    <message>
        <source>Switching Stations</source>
        <translation>Cambiando de emisora</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>Reproduciendo...</translation>
    </message>
    <message>
        <source>0 Seconds</source>
        <translation>0 segundos</translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation>Cerrando...</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 segundos</translation>
    </message>
</context>
<context>
    <name>ScanWindow</name>
    <message>
        <source>Before starting the scan function by selecting your player, please be sure all players are closed and the audio device is not in use (otherwise the scan function will not work properly).</source>
        <translation>Antes de iniciar el escaneo eligiendo su reproductor, asegúrese de que todos los reproductores están cerrados y de que el dispositivo de audio no está en uso (si no, el escaneo no funcionará bien).</translation>
    </message>
    <message>
        <source>The scan function requires both the RealPlayer and Microsoft Media Player to function correctly, please download and install them before using scan. (see setup)</source>
        <translation>El escaneo necesita RealPlayer y Microsoft Media Player para funcionar bien; descárguelos e instálelos antes de escanear. (vea la configuración)</translation>
    </message>
    <message>
        <source>You are missing necessary files to operate in scan mode.  Files (projModr.exe and/or projModm.exe) are missing!</source>
        <translation>Faltan archivos necesarios para el modo de escaneo.  ¡Faltan los archivos projModr.exe y/o projModm.exe!</translation>
    </message>
    <message>
        <source>Critical Error. You are missing either RealPlayer or Microsoft Media Player on your computer.  These players are necessary to use the scan function.</source>
        <translation>Error crítico. Falta RealPlayer o Microsoft Media Player en su equipo.  Estos reproductores son necesarios para escanear.</translation>
    </message>
    <message>
        <source> - Station Scan</source>
        <translation> - Escaneo de emisoras</translation>
    </message>
    <message>
        <source>Loading Stations..</source>
        <translation>Cargando emisoras..</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Select Stream Type</source>
        <translation>Tipo de transmisión</translation>
    </message>
    <message>
        <source>Station style</source>
        <translation>Estilo de emisora</translation>
    </message>
    <message>
        <source>Choose Player</source>
        <translation>Elija reproductor</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Change Every</source>
        <translation>Cambiar cada</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Include Unknown Format Stations</source>
        <translation>Incluir formatos desconocidos</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Emisora</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>BPS</source>
        <translation>BPS</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Add Preset</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SearchRequest</name>
    <message>
        <source>Phone Modem 28.8</source>
        <translation>Módem telefónico 28.8</translation>
    </message>
    <message>
        <source>Phone Modem 33.6</source>
        <translation>Módem telefónico 33.6</translation>
    </message>
    <message>
        <source>Phone Modem 56k</source>
        <translation>Módem telefónico 56k</translation>
    </message>
    <message>
        <source>ISDN 64k</source>
        <translation>RDSI 64k</translation>
    </message>
    <message>
        <source>ISDN 128k</source>
        <translation>RDSI 128k</translation>
    </message>
    <message>
        <source>Cable/DSL</source>
        <translation>Cable/ADSL</translation>
    </message>
</context>
<context>
    <name>SearchRun</name>
    <message>
        <source>  Search Results (%1)</source>
        <translation>  Resultados (%1)</translation>
    </message>
    <message>
        <source>Please enter keyword(s) for search.</source>
        <translation>Escriba una o más palabras clave para buscar.</translation>
    </message>
    <message>
        <source>Please enter search text.</source>
        <translation>Escriba el texto que desea buscar.</translation>
    </message>
    <message>
        <source>This feature is only used for LIVE Broadcasts, please select LIVE Broadcasts below.</source>
        <translation>Esta función solo sirve para emisiones en directo; seleccione En DIRECTO abajo.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Error connecting to Quillon Technologies. If this problem persists, please contact %1</source>
        <translation>Error al conectar con Quillon Technologies. Si el problema continúa, escriba a %1</translation>
    </message>
    <message>
        <source>The directory&apos;s page is too large to read; the search was stopped. The results read so far are shown.</source>
        <translation>La página del directorio es demasiado grande para leerla; la búsqueda se ha detenido. Se muestran los resultados leídos hasta ahora.</translation>
    </message>
    <message>
        <source>The search found more than %1 results; only the first %1 are shown. Try a more specific search.</source>
        <translation>La búsqueda encontró más de %1 resultados; solo se muestran los %1 primeros. Pruebe una búsqueda más concreta.</translation>
    </message>
    <message>
        <source>The search found more results than can be held; only the first %1 are shown. Try a more specific search.</source>
        <translation>La búsqueda encontró más resultados de los que caben; solo se muestran los %1 primeros. Pruebe una búsqueda más concreta.</translation>
    </message>
    <message>
        <source> **NOTE : Not all player formats are selected, this may cause you receive less results.</source>
        <translation> **NOTA : No están seleccionados todos los formatos de reproductor; puede que reciba menos resultados.</translation>
    </message>
    <message>
        <source>No results returned. Try a less specific search. </source>
        <translation>No hay resultados. Pruebe una búsqueda menos concreta. </translation>
    </message>
    <message>
        <source>Error retrieving data, Please check your Internet connection or contact %1 for system status.</source>
        <translation>Error al obtener los datos. Compruebe su conexión a Internet o consulte el estado del sistema en %1.</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Skylark! Broadcast - Setup</source>
        <translation>Skylark! Broadcast - Configuración</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Select Format</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Select Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Player Location</source>
        <translation>Ubicación del reproductor</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Select Formats to Include in Search Results...</source>
        <translation>Formatos que se incluyen en los resultados...</translation>
    </message>
    <message>
        <source>RealPlayer (Audio)</source>
        <translation>RealPlayer (audio)</translation>
    </message>
    <message>
        <source>RealPlayer (Video)</source>
        <translation>RealPlayer (vídeo)</translation>
    </message>
    <message>
        <source>Microsoft Media (Audio)</source>
        <translation>Microsoft Media (audio)</translation>
    </message>
    <message>
        <source>Microsoft Media (Video)</source>
        <translation>Microsoft Media (vídeo)</translation>
    </message>
    <message>
        <source>MP3 ShoutCast</source>
        <translation>MP3 ShoutCast</translation>
    </message>
    <message>
        <source>Xing Streaming Audio/Video</source>
        <translation>Xing streaming audio/vídeo</translation>
    </message>
    <message>
        <source>%1 Player Website</source>
        <translation>Sitio web de %1</translation>
    </message>
    <message>
        <source>Single Click the Logo to Visit Player Website and Download Player. </source>
        <translation>Pulse el logotipo para visitar el sitio web del reproductor y descargarlo. </translation>
    </message>
    <message>
        <source>If your Internet connection requires a firewall/proxy, please enter that information here so that you may access the Internet with Skylark! Broadcast.</source>
        <translation>Si su conexión a Internet pasa por un cortafuegos o proxy, escriba aquí sus datos para que Skylark! Broadcast pueda acceder a Internet.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Optimize results for</source>
        <translation>Optimizar resultados para</translation>
    </message>
    <message>
        <source>Please select your connection type so that your Skylark! Broadcast experience may be the most enjoyable and useful.  Please note that by optimizing for higher connection speeds beyond your connection may result in skipping or inability to play streams.</source>
        <translation>Elija su tipo de conexión para que Skylark! Broadcast le resulte lo más agradable y útil posible.  Tenga en cuenta que optimizar para velocidades superiores a las de su conexión puede causar cortes o impedir la reproducción.</translation>
    </message>
    <message>
        <source>Please enter a proxy port from 1 to 65535.</source>
        <translation>Escriba un puerto de proxy entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Skylark! Broadcast is only compatible with WinAMP Standard versions 2.24 and greater.</source>
        <translation>Skylark! Broadcast solo es compatible con WinAMP Standard 2.24 y posteriores.</translation>
    </message>
    <message>
        <source>Select Connection</source>
        <translation>Elija la conexión</translation>
    </message>
    <message>
        <source>All Connections</source>
        <translation>Todas las conexiones</translation>
    </message>
</context>
<context>
    <name>ShellOpener</name>
    <message>
        <source>Error executing application or file not found</source>
        <translation>Error al ejecutar la aplicación o archivo no encontrado</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unable to contact server, please try back later.</source>
        <translation>No se puede contactar con el servidor; inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Please select your connection type so that you may receive the best content for your speed.</source>
        <translation>Elija su tipo de conexión para recibir el mejor contenido para su velocidad.</translation>
    </message>
</context>
<context>
    <name>StreamFormat</name>
    <message>
        <source>%1 Stream</source>
        <translation>Transmisión %1</translation>
    </message>
</context>
<context>
    <name>WebWindow</name>
    <message>
        <source>Mini-browser</source>
        <translation>Mininavegador</translation>
    </message>
    <message>
        <source>Launch My Browser</source>
        <translation>Abrir mi navegador</translation>
    </message>
    <message>
        <source>The mini-browser cannot show web pages on this computer. Use Visit Stream Website to open a station&apos;s site in your browser.</source>
        <translation>El mininavegador no puede mostrar páginas web en este equipo. Use Visitar el sitio web para abrir el sitio de una emisora en su navegador.</translation>
    </message>
</context>
</TS>
