<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardReading</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>ball of colour %1</source>
        <translation>Kugel der Farbe %1</translation>
    </message>
    <message>
        <source>The colours of the balls the next turn brings</source>
        <translation>Die Farben der Kugeln, die der nächste Zug bringt</translation>
    </message>
    <message>
        <source>Next balls: not shown</source>
        <translation>Nächste Kugeln: nicht angezeigt</translation>
    </message>
    <message>
        <source>Next balls: colours %1</source>
        <translation>Nächste Kugeln: Farben %1</translation>
    </message>
    <message>
        <source>%1, chosen</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>A cell of the board</source>
        <translation>Ein Feld des Spielbretts</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>The points of this game</source>
        <translation>Die Punkte dieses Spiels</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>The time left in this level</source>
        <translation>Die verbleibende Zeit in diesem Level</translation>
    </message>
    <message>
        <source>The time this game has taken</source>
        <translation>Die bisherige Spielzeit</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>Vyx Zeziz - Classic</source>
        <translation>Vyx Zeziz - Klassisch</translation>
    </message>
    <message>
        <source>Vyx Zeziz - Time-trial [Level %1]</source>
        <translation>Vyx Zeziz - Zeitspiel [Level %1]</translation>
    </message>
    <message>
        <source>Can not save game to
%1:
%2.</source>
        <translation>Der Spielstand kann nicht gespeichert werden in
%1:
%2.</translation>
    </message>
    <message>
        <source>Can not autosave game to
%1:
%2.</source>
        <translation>Der Spielstand kann nicht automatisch gespeichert werden in
%1:
%2.</translation>
    </message>
    <message>
        <source>Can not save leaders table to
%1:
%2.</source>
        <translation>Die Bestenliste kann nicht gespeichert werden in
%1:
%2.</translation>
    </message>
    <message>
        <source>Can not unpack skin into
%1:
%2.</source>
        <translation>Der Skin kann nicht entpackt werden nach
%1:
%2.</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;: the file is missing or is not a readable bitmap.</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: Die Datei fehlt oder ist keine lesbare Bitmap.</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;: it is %2 x %3 pixels, larger than the %4 x %5 a skin can use in its place.</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: Es ist %2 × %3 Pixel groß, größer als die %4 × %5, die ein Skin an seiner Stelle nutzen kann.</translation>
    </message>
    <message>
        <source>Can not open help: no program could show it.
The help pages are in
%1</source>
        <translation>Die Hilfe kann nicht geöffnet werden: Kein Programm kann sie anzeigen.
Die Hilfeseiten liegen in
%1</translation>
    </message>
    <message>
        <source>Vyx Zeziz is already running with the folder %1, but it does not answer.</source>
        <translation>Vyx Zeziz läuft bereits mit dem Ordner %1, antwortet aber nicht.</translation>
    </message>
    <message>
        <source>Vyx Zeziz cannot keep your settings, autosave and leaders table:
%1.

You can play, but what changes in this session is lost when the game closes.</source>
        <translation>Vyx Zeziz kann Ihre Einstellungen, den automatischen Spielstand und die Bestenliste nicht aufbewahren:
%1.

Sie können spielen, aber was sich in dieser Sitzung ändert, geht beim Beenden des Spiels verloren.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>It will interrupt current game!
Are you really  wish this?</source>
        <translation>Das bricht das laufende Spiel ab!
Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>Input field must have less than 17 characters.
Reenter name, please</source>
        <translation>Der Name darf höchstens 16 Zeichen lang sein.
Bitte geben Sie ihn neu ein.</translation>
    </message>
    <message>
        <source>Invalid symbol:&apos;/&apos;. Reenter name, please</source>
        <translation>Ungültiges Zeichen: „/“. Bitte geben Sie den Namen neu ein.</translation>
    </message>
    <message>
        <source>Invalid symbol: the leaders table keeps only Western European letters and signs.
Reenter name, please</source>
        <translation>Ungültiges Zeichen: Die Bestenliste nimmt nur westeuropäische Buchstaben und Zeichen auf.
Bitte geben Sie den Namen neu ein.</translation>
    </message>
    <message>
        <source>Input error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spielstand speichern</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spielstand laden</translation>
    </message>
    <message>
        <source>File &apos;VyxLines.cfg&apos; not found.
. Reinstall game</source>
        <translation>Die Datei „VyxLines.cfg“ wurde nicht gefunden.
Bitte installieren Sie das Spiel neu.</translation>
    </message>
    <message>
        <source>Error writing cfg file!</source>
        <translation>Die Einstellungsdatei kann nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>no folder of yours is known (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>kein eigener Ordner ist bekannt (weder XDG_DATA_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>Skins are unavailable.
Please, (re-)install skins</source>
        <translation>Es sind keine Skins vorhanden.
Bitte installieren Sie die Skins (neu).</translation>
    </message>
    <message>
        <source>Skin extract error</source>
        <translation>Fehler beim Entpacken des Skins</translation>
    </message>
    <message>
        <source>Can not open skin.
File may be corrupted or    unsupported format.
Try to reinstall skin.</source>
        <translation>Der Skin kann nicht geöffnet werden.
Die Datei ist vielleicht beschädigt oder hat ein unbekanntes Format.
Bitte installieren Sie den Skin neu.</translation>
    </message>
    <message>
        <source>File header corrupted. 
Try to reinstall skin.</source>
        <translation>Der Dateikopf ist beschädigt.
Bitte installieren Sie den Skin neu.</translation>
    </message>
    <message>
        <source>Can not open skin.
File may be corrupted or  unsupported format.
Try to reinstall skin.</source>
        <translation>Der Skin kann nicht geöffnet werden.
Die Datei ist vielleicht beschädigt oder hat ein unbekanntes Format.
Bitte installieren Sie den Skin neu.</translation>
    </message>
    <message>
        <source>Can not find skin!</source>
        <translation>Der Skin wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Vyx Zeziz saves (*.lsv)</source>
        <translation>Vyx-Zeziz-Spielstände (*.lsv)</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New [Classic]</source>
        <translation>&amp;Neu [Klassisch]</translation>
    </message>
    <message>
        <source>Ne&amp;w [Time-trial]</source>
        <translation>Neu [&amp;Zeitspiel]</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Le&amp;vel</source>
        <translation>&amp;Stufe</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>H&amp;ard</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>Game &amp;settings</source>
        <translation>Spiel&amp;einstellungen</translation>
    </message>
    <message>
        <source>A&amp;utosave Turn</source>
        <translation>Jeden Zug automatisch &amp;speichern</translation>
    </message>
    <message>
        <source>Aut&amp;oload on Start</source>
        <translation>Beim Start automatisch &amp;laden</translation>
    </message>
    <message>
        <source>Additio&amp;nal...</source>
        <translation>&amp;Weitere...</translation>
    </message>
    <message>
        <source>Lea&amp;ders</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Vyx Zeziz Help</source>
        <translation>Vyx-Zeziz-Hilfe</translation>
    </message>
    <message>
        <source>Vyx Games Home Page</source>
        <translation>Vyx-Games-Homepage</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Erstellt am: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TBoardView</name>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
</context>
<context>
    <name>TGameOverBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TInputBox</name>
    <message>
        <source>Enter your name </source>
        <translation>Name eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TLeadersBox</name>
    <message>
        <source>  easy</source>
        <translation>leicht</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>  hard</source>
        <translation>schwer</translation>
    </message>
    <message>
        <source>Leaders</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>NN</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pkt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>%1. %2, %3 points, %4, %5</source>
        <translation>%1. %2, %3 Punkte, %4, %5</translation>
    </message>
    <message>
        <source>Leaders table</source>
        <translation>Bestenliste</translation>
    </message>
</context>
<context>
    <name>TOptionsBox</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Skin settings</source>
        <translation>Skin-Einstellungen</translation>
    </message>
    <message>
        <source>Choose skin:</source>
        <translation>Skin wählen:</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Get more skins!</source>
        <translation>Weitere Skins!</translation>
    </message>
    <message>
        <source>Skin in use</source>
        <translation>Aktueller Skin</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Appearance:</source>
        <translation>Erscheinen:</translation>
    </message>
    <message>
        <source>Appear speed</source>
        <translation>Geschwindigkeit beim Erscheinen</translation>
    </message>
    <message>
        <source>Choosing:</source>
        <translation>Auswählen:</translation>
    </message>
    <message>
        <source>Choose speed</source>
        <translation>Geschwindigkeit beim Auswählen</translation>
    </message>
    <message>
        <source>Moving:</source>
        <translation>Bewegen:</translation>
    </message>
    <message>
        <source>Move speed</source>
        <translation>Geschwindigkeit beim Bewegen</translation>
    </message>
    <message>
        <source>Deleting:</source>
        <translation>Entfernen:</translation>
    </message>
    <message>
        <source>Delete speed</source>
        <translation>Geschwindigkeit beim Entfernen</translation>
    </message>
    <message>
        <source>slow                       fast</source>
        <translation>langsam            schnell</translation>
    </message>
    <message>
        <source>Current sounds</source>
        <translation>Aktuelle Klänge</translation>
    </message>
    <message>
        <source>Sound when a ball is chosen</source>
        <translation>Klang beim Auswählen einer Kugel</translation>
    </message>
    <message>
        <source>Play the choosing sound</source>
        <translation>Klang beim Auswählen abspielen</translation>
    </message>
    <message>
        <source>Sound when a ball moves</source>
        <translation>Klang beim Bewegen einer Kugel</translation>
    </message>
    <message>
        <source>Play the moving sound</source>
        <translation>Klang beim Bewegen abspielen</translation>
    </message>
    <message>
        <source>Sound when balls vanish</source>
        <translation>Klang beim Verschwinden von Kugeln</translation>
    </message>
    <message>
        <source>Play the deleting sound</source>
        <translation>Klang beim Entfernen abspielen</translation>
    </message>
    <message>
        <source>Error:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Sound when a ball cannot go</source>
        <translation>Klang, wenn eine Kugel nicht dorthin kann</translation>
    </message>
    <message>
        <source>Play the error sound</source>
        <translation>Fehlerklang abspielen</translation>
    </message>
    <message>
        <source>Sounds state</source>
        <translation>Klangausgabe</translation>
    </message>
    <message>
        <source>Enable sounds</source>
        <translation>Klänge einschalten</translation>
    </message>
</context>
</TS>
