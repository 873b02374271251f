<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>AboutForm</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Over Tessaron2</source>
        <translation>Über Tessaron2</translation>
    </message>
    <message>
        <source>Tessaron2 Zegelarchief %1</source>
        <translation>Tessaron2 Briefmarkenarchiv %1</translation>
    </message>
    <message>
        <source>Licentie : alle rechten voorbehouden door de ontwikkelaars van Tessaron2. De verspreider van dit pakket vermeldt de voorwaarden waaronder het wordt verspreid.</source>
        <translation>Lizenz: alle Rechte bei den Entwicklern von Tessaron2. Der Anbieter dieses Pakets nennt die Bedingungen, unter denen es weitergegeben wird.</translation>
    </message>
    <message>
        <source>Programmamap</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source>Verzamelingen</source>
        <translation>Sammlungen</translation>
    </message>
    <message>
        <source>Woordenlijsten</source>
        <translation>Wortlisten</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Afdrukken</name>
    <message>
        <source>AFDRUKKEN</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>Afdrukopdracht</source>
        <translation>Druckauftrag</translation>
    </message>
    <message>
        <source>Printerkeuze</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Aantal exemplaren</source>
        <translation>Anzahl Exemplare</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Maximaal 999 exemplaren!</source>
        <translation>Höchstens 999 Exemplare!</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>CatalogueEntriesDialog</name>
    <message>
        <source>Catalogusnummers %1</source>
        <translation>Katalognummern %1</translation>
    </message>
    <message>
        <source>Zegel %1</source>
        <translation>Marke %1</translation>
    </message>
    <message>
        <source>Zegel %1 - %2</source>
        <translation>Marke %1 - %2</translation>
    </message>
    <message>
        <source>Systeem</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Waarde</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Editie</source>
        <translation>Auflage</translation>
    </message>
    <message>
        <source>Catalogusnummers</source>
        <translation>Katalognummern</translation>
    </message>
    <message>
        <source>Toevoegen</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Wijzigen</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Verwijderen</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source> Nummer toevoegen; dezelfde editie van een systeem wordt vervangen </source>
        <translation> Nummer hinzufügen; dieselbe Auflage eines Systems wird ersetzt </translation>
    </message>
    <message>
        <source> Gekozen nummer wijzigen </source>
        <translation> Gewählte Nummer ändern </translation>
    </message>
    <message>
        <source> Gekozen nummer verwijderen </source>
        <translation> Gewählte Nummer entfernen </translation>
    </message>
    <message>
        <source>Een systeem kan een nummer hebben per editie van zijn catalogus. Toevoegen met een systeem en editie die er al zijn, vervangt dat nummer.</source>
        <translation>Ein System kann je Auflage seines Katalogs eine Nummer haben. Hinzufügen mit einem System und einer Auflage, die schon vorhanden sind, ersetzt diese Nummer.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Verloop van de waarde</source>
        <translation>Wertentwicklung</translation>
    </message>
    <message>
        <source>Verloop van de waarde in %1</source>
        <translation>Wertentwicklung in %1</translation>
    </message>
    <message>
        <source>Vul een systeem en een nummer in.</source>
        <translation>Bitte ein System und eine Nummer eintragen.</translation>
    </message>
    <message>
        <source>Het nummer in de velden is nog niet toegevoegd.<byte value="xd"/>
Wilt u het toevoegen?</source>
        <translation>Die Nummer in den Feldern wurde noch nicht hinzugefügt.<byte value="xd"/>
Möchten Sie sie hinzufügen?</translation>
    </message>
    <message>
        <source>Lijst kon niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>Liste konnte nicht gespeichert werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>CatalogueValueChart</name>
    <message>
        <source>Een verloop toont zich bij waarden uit twee of meer edities van dit systeem.</source>
        <translation>Eine Wertentwicklung wird bei Werten aus zwei oder mehr Auflagen dieses Systems angezeigt.</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>schrijft het fotoalbum Slideshow.htm (--open: toont het)</source>
        <translation>schreibt das Fotoalbum Slideshow.htm (--open: zeigt es an)</translation>
    </message>
    <message>
        <source>toont het album ook in de webbrowser</source>
        <translation>zeigt das Album auch im Webbrowser an</translation>
    </message>
    <message>
        <source>album verwacht de naam van een verzameling</source>
        <translation>album erwartet den Namen einer Sammlung</translation>
    </message>
    <message>
        <source>Album kon niet worden geschreven: %1</source>
        <translation>Album konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Album kon niet worden geopend: xdg-open ontbreekt</source>
        <translation>Album konnte nicht geöffnet werden: xdg-open fehlt</translation>
    </message>
    <message>
        <source>zet BESTAND als afbeelding bij record POS (vanaf 1)</source>
        <translation>setzt BESTAND als Bild zu Datensatz POS (ab 1)</translation>
    </message>
    <message>
        <source>de plaats van het record in de lijst (vanaf 1)</source>
        <translation>die Position des Datensatzes in der Liste (ab 1)</translation>
    </message>
    <message>
        <source>de afbeelding, in elk formaat dat het programma leest</source>
        <translation>das Bild, in jedem Format, das das Programm liest</translation>
    </message>
    <message>
        <source>vervangt een bestaande afbeelding</source>
        <translation>ersetzt ein vorhandenes Bild</translation>
    </message>
    <message>
        <source>attach verwacht een naam, een positie en een bestand</source>
        <translation>attach erwartet einen Namen, eine Position und eine Datei</translation>
    </message>
    <message>
        <source>record &apos;%1&apos; bestaat niet (1 tot en met %2)</source>
        <translation>Datensatz &apos;%1&apos; existiert nicht (1 bis %2)</translation>
    </message>
    <message>
        <source>record %1 heeft al een afbeelding (%2); --replace vervangt haar</source>
        <translation>Datensatz %1 hat bereits ein Bild (%2); --replace ersetzt es</translation>
    </message>
    <message>
        <source>Afbeelding niet toegevoegd: %1</source>
        <translation>Bild nicht hinzugefügt: %1</translation>
    </message>
    <message>
        <source>toont deze tekst</source>
        <translation>zeigt diesen Text an</translation>
    </message>
    <message>
        <source>gebruik: tessaron2-cli [--home MAP] %1</source>
        <translation>Aufruf: tessaron2-cli [--home MAP] %1</translation>
    </message>
    <message>
        <source>Onbekend argument voor %1: &apos;%2&apos;</source>
        <translation>Unbekanntes Argument für %1: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 verwacht precies één naam</source>
        <translation>%1 erwartet genau einen Namen</translation>
    </message>
    <message>
        <source>de naam van de verzameling</source>
        <translation>der Name der Sammlung</translation>
    </message>
    <message>
        <source>gebruik: tessaron2-cli [--home MAP] COMMANDO ARGUMENTEN...
Werkt zonder venster op de programmamap van Tessaron2.

</source>
        <translation>Aufruf: tessaron2-cli [--home MAP] BEFEHL ARGUMENTE...
Arbeitet ohne Fenster mit dem Programmordner von Tessaron2.

</translation>
    </message>
    <message>
        <source>COMMANDO --help</source>
        <translation>BEFEHL --help</translation>
    </message>
    <message>
        <source>toont de hulp bij dat commando</source>
        <translation>zeigt die Hilfe zu diesem Befehl an</translation>
    </message>
    <message>
        <source>toont de versie</source>
        <translation>zeigt die Version an</translation>
    </message>
    <message>
        <source>
De programmamap is MAP van --home, anders $TESSARON2_HOME, anders de map van het
programma als die een map Verzameling bevat, anders ~/Tessaron2, die bij de eerste
start wordt gevuld met de demoverzameling. Afsluitstatus 0 bij succes, anders niet 0
met een regel op standaardfout.
Een bestaand bestand of een andere bestaande verzameling wordt alleen met --force
overschreven; een bestand .col of .cat van de verzamelmap nooit door export of print.
</source>
        <translation>
Der Programmordner ist MAP von --home, sonst $TESSARON2_HOME, sonst der Ordner des
Programms, wenn er einen Ordner Verzameling enthält, sonst ~/Tessaron2, der beim ersten
Start mit der Demosammlung gefüllt wird. Exit-Status 0 bei Erfolg, sonst nicht 0
mit einer Zeile auf der Standardfehlerausgabe.
Eine vorhandene Datei oder eine andere vorhandene Sammlung wird nur mit --force
überschrieben; eine Datei .col oder .cat des Sammlungsordners nie durch Export oder Druck.
</translation>
    </message>
    <message>
        <source>Geen commando gegeven</source>
        <translation>Kein Befehl angegeben</translation>
    </message>
    <message>
        <source>Onbekend commando &apos;%1&apos;</source>
        <translation>Unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Geen programmamap: %1 bevat geen map Verzameling of Data (start tessaron2 --home met die map om haar te vullen)</source>
        <translation>Kein Programmordner: %1 enthält keinen Ordner Verzameling oder Data (starten Sie tessaron2 --home mit diesem Ordner, um ihn zu füllen)</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling: &apos;%1&apos;</source>
        <translation>Ungültiger Name für eine Sammlung: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling: &apos;%1&apos;: %2</source>
        <translation>Ungültiger Name für eine Sammlung: &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat reeds; --force overschrijft haar</source>
        <translation>Sammlung &apos;%1&apos; existiert bereits; --force überschreibt sie</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat niet</source>
        <translation>Sammlung &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>Sammlung &apos;%1&apos; konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Uitvoer kon niet worden geschreven</source>
        <translation>Ausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--as verwacht een naam</source>
        <translation>--as erwartet einen Namen</translation>
    </message>
    <message>
        <source>telt alleen de records van die categorie</source>
        <translation>zählt nur die Datensätze dieser Kategorie</translation>
    </message>
    <message>
        <source>--category verwacht één tekst</source>
        <translation>--category erwartet einen Text</translation>
    </message>
    <message>
        <source>ruillijst: de nummers die er meer dan eens zijn, met aantal</source>
        <translation>Tauschliste: die Nummern, die mehr als einmal vorhanden sind, mit Anzahl</translation>
    </message>
    <message>
        <source>het CSV-bestand dat wordt geschreven</source>
        <translation>die CSV-Datei, die geschrieben wird</translation>
    </message>
    <message>
        <source>overschrijft een bestaand BESTAND</source>
        <translation>überschreibt eine vorhandene Datei BESTAND</translation>
    </message>
    <message>
        <source>export-csv verwacht een naam en een bestand</source>
        <translation>export-csv erwartet einen Namen und eine Datei</translation>
    </message>
    <message>
        <source>CSV-bestand &apos;%1&apos; kon niet worden geschreven: %2</source>
        <translation>CSV-Datei &apos;%1&apos; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>reeksen (&quot;1-20&quot;, &quot;LP1-LP15&quot;) of catalogusnummers</source>
        <translation>Bereiche (&quot;1-20&quot;, &quot;LP1-LP15&quot;) oder Katalognummern</translation>
    </message>
    <message>
        <source>gaps verwacht een naam en ten minste één reeks</source>
        <translation>gaps erwartet einen Namen und mindestens einen Bereich</translation>
    </message>
    <message>
        <source>Reeks &apos;%1&apos; kan niet worden gelezen</source>
        <translation>Bereich &apos;%1&apos; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>zet oude data NAAM.cat om in verzameling NIEUW</source>
        <translation>wandelt alte Daten NAAM.cat in die Sammlung NIEUW um</translation>
    </message>
    <message>
        <source>de oude data NAAM.cat in de verzamelmap</source>
        <translation>die alten Daten NAAM.cat im Sammlungsordner</translation>
    </message>
    <message>
        <source>de naam van de nieuwe verzameling (anders NAAM)</source>
        <translation>der Name der neuen Sammlung (sonst NAAM)</translation>
    </message>
    <message>
        <source>vervangt een bestaande verzameling NIEUW</source>
        <translation>ersetzt eine vorhandene Sammlung NIEUW</translation>
    </message>
    <message>
        <source>import verwacht de naam van oude data</source>
        <translation>import erwartet den Namen alter Daten</translation>
    </message>
    <message>
        <source>Oude data &apos;%1&apos; bestaat niet</source>
        <translation>Alte Daten &apos;%1&apos; existieren nicht</translation>
    </message>
    <message>
        <source>Oude data &apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>Alte Daten &apos;%1&apos; konnten nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Oude data &apos;%1&apos; bevat geen records</source>
        <translation>Alte Daten &apos;%1&apos; enthalten keine Datensätze</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kon niet worden opgeslagen: %2</source>
        <translation>Sammlung &apos;%1&apos; konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>het CSV-bestand</source>
        <translation>die CSV-Datei</translation>
    </message>
    <message>
        <source>vervangt een bestaande verzameling NAAM</source>
        <translation>ersetzt eine vorhandene Sammlung NAAM</translation>
    </message>
    <message>
        <source>import-csv verwacht een bestand en een naam</source>
        <translation>import-csv erwartet eine Datei und einen Namen</translation>
    </message>
    <message>
        <source>CSV-bestand &apos;%1&apos; bestaat niet</source>
        <translation>CSV-Datei &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>CSV-bestand &apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>CSV-Datei &apos;%1&apos; konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>CSV-bestand &apos;%1&apos; bevat geen records</source>
        <translation>CSV-Datei &apos;%1&apos; enthält keine Datensätze</translation>
    </message>
    <message>
        <source>Let op: tekens die een verzameling niet kan bewaren, vervangen door &apos;?&apos;: %1</source>
        <translation>Hinweis: Zeichen, die eine Sammlung nicht speichern kann, durch &apos;?&apos; ersetzt: %1</translation>
    </message>
    <message>
        <source>schrijft verzameling NAAM (--per-country: een per land)
met de afbeeldingen uit een Tellico-bestand (.tc of .xml);
--dry-run toont het verslag en schrijft niets</source>
        <translation>schreibt die Sammlung NAAM (--per-country: eine je Land)
mit den Bildern aus einer Tellico-Datei (.tc oder .xml);
--dry-run zeigt den Bericht und schreibt nichts</translation>
    </message>
    <message>
        <source>het Tellico-bestand (.tc of .xml)</source>
        <translation>die Tellico-Datei (.tc oder .xml)</translation>
    </message>
    <message>
        <source>een verzameling per land; zonder land in NAAM</source>
        <translation>eine Sammlung je Land; ohne Land in NAAM</translation>
    </message>
    <message>
        <source>vervangt bestaande verzamelingen</source>
        <translation>ersetzt vorhandene Sammlungen</translation>
    </message>
    <message>
        <source>toont het verslag en schrijft niets</source>
        <translation>zeigt den Bericht und schreibt nichts</translation>
    </message>
    <message>
        <source>import-tellico verwacht een bestand en een naam</source>
        <translation>import-tellico erwartet eine Datei und einen Namen</translation>
    </message>
    <message>
        <source>Tellico-bestand &apos;%1&apos; bestaat niet</source>
        <translation>Tellico-Datei &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>Tellico-bestand &apos;%1&apos; kan niet worden geïmporteerd: %2</source>
        <translation>Tellico-Datei &apos;%1&apos; kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Let op: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>namen van de verzamelingen (--old: van de oude data)</source>
        <translation>Namen der Sammlungen (--old: der alten Daten)</translation>
    </message>
    <message>
        <source>de namen van de oude data (NAAM.cat)</source>
        <translation>die Namen der alten Daten (NAAM.cat)</translation>
    </message>
    <message>
        <source>Verzamelmap &apos;%1&apos; bestaat niet</source>
        <translation>Sammlungsordner &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>de opdracht: 1 lijst, 2 prijslijst, 3 recordblad,
4 sluitzegelvel, 5 jaartallen</source>
        <translation>der Auftrag: 1 Liste, 2 Preisliste, 3 Datenblatt,
4 Vignettenbogen, 5 Jahreszahlen</translation>
    </message>
    <message>
        <source>het PDF-bestand dat wordt geschreven</source>
        <translation>die PDF-Datei, die geschrieben wird</translation>
    </message>
    <message>
        <source>het aantal exemplaren (ten hoogste 999)</source>
        <translation>die Anzahl Exemplare (höchstens 999)</translation>
    </message>
    <message>
        <source>kiest record POS (vanaf 1) voor het recordblad</source>
        <translation>wählt Datensatz POS (ab 1) für das Datenblatt</translation>
    </message>
    <message>
        <source>de foto op het sluitzegelvel</source>
        <translation>das Foto auf dem Vignettenbogen</translation>
    </message>
    <message>
        <source>overschrijft een bestaand PDF-bestand</source>
        <translation>überschreibt eine vorhandene PDF-Datei</translation>
    </message>
    <message>
        <source>drukt opdracht N (1 tot 5) af in een PDF-bestand</source>
        <translation>druckt Auftrag N (1 bis 5) in eine PDF-Datei</translation>
    </message>
    <message>
        <source>schrijft die versie als verzameling NIEUW (of NAAM)</source>
        <translation>schreibt diese Version als Sammlung NIEUW (oder NAAM)</translation>
    </message>
    <message>
        <source>een versie zoals versions haar noemt</source>
        <translation>eine Version, wie versions sie nennt</translation>
    </message>
    <message>
        <source>de naam van de verzameling die wordt geschreven (anders NAAM)</source>
        <translation>der Name der Sammlung, die geschrieben wird (sonst NAAM)</translation>
    </message>
    <message>
        <source>vervangt een andere bestaande verzameling NIEUW</source>
        <translation>ersetzt eine andere vorhandene Sammlung NIEUW</translation>
    </message>
    <message>
        <source>restore verwacht een naam en een versie</source>
        <translation>restore erwartet einen Namen und eine Version</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; heeft geen versie &apos;%2&apos; (zie versions)</source>
        <translation>Sammlung &apos;%1&apos; hat keine Version &apos;%2&apos; (siehe versions)</translation>
    </message>
    <message>
        <source>Versie &apos;%1&apos; bevat verzameling &apos;%2&apos;, niet &apos;%3&apos;</source>
        <translation>Version &apos;%1&apos; enthält die Sammlung &apos;%2&apos;, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Versie &apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>Version &apos;%1&apos; konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Versie &apos;%1&apos; bevat geen records</source>
        <translation>Version &apos;%1&apos; enthält keine Datensätze</translation>
    </message>
    <message>
        <source>de records, een per regel, velden gescheiden door TAB</source>
        <translation>die Datensätze, einer je Zeile, Felder durch TAB getrennt</translation>
    </message>
    <message>
        <source>de catalogusprijs en de eigen prijs opgeteld</source>
        <translation>der Katalogwert und der eigene Preis zusammengezählt</translation>
    </message>
    <message>
        <source>de bewaarde vorige versies van verzameling NAAM</source>
        <translation>die aufbewahrten früheren Versionen der Sammlung NAAM</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; heeft geen vorige versies</source>
        <translation>Sammlung &apos;%1&apos; hat keine früheren Versionen</translation>
    </message>
    <message>
        <source>--set verwacht een systeem en een nummer (&quot;Mi 535&quot;), niet &apos;%1&apos;</source>
        <translation>--set erwartet ein System und eine Nummer (&quot;Mi 535&quot;), nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kan niet worden bewaard (geen TAB, regeleinde of teken buiten Windows-1252)</source>
        <translation>&apos;%1&apos; kann nicht gespeichert werden (kein TAB, Zeilenumbruch oder Zeichen außerhalb von Windows-1252)</translation>
    </message>
    <message>
        <source>de nummers van record POS in andere catalogi, een regel
per nummer: systeem TAB nummer TAB waarde TAB uitgave;
met --set of --remove gezet of verwijderd</source>
        <translation>die Nummern von Datensatz POS in anderen Katalogen, eine Zeile
je Nummer: System TAB Nummer TAB Wert TAB Katalogausgabe;
mit --set oder --remove gesetzt oder entfernt</translation>
    </message>
    <message>
        <source>zet nummer NR in systeem SYS (&quot;Mi 535&quot;); een regel
van hetzelfde systeem en dezelfde uitgave wordt
vervangen</source>
        <translation>setzt Nummer NR im System SYS (&quot;Mi 535&quot;); eine Zeile
desselben Systems und derselben Katalogausgabe wird
ersetzt</translation>
    </message>
    <message>
        <source>--set verwacht één systeem met nummer</source>
        <translation>--set erwartet ein System mit Nummer</translation>
    </message>
    <message>
        <source>de waarde in die catalogus, zoals getypt (met --set)</source>
        <translation>der Wert in diesem Katalog, wie eingegeben (mit --set)</translation>
    </message>
    <message>
        <source>--value verwacht één waarde</source>
        <translation>--value erwartet einen Wert</translation>
    </message>
    <message>
        <source>het jaar van de uitgave van die catalogus (met --set)</source>
        <translation>das Jahr der Katalogausgabe dieses Katalogs (mit --set)</translation>
    </message>
    <message>
        <source>--edition verwacht één jaar</source>
        <translation>--edition erwartet ein Jahr</translation>
    </message>
    <message>
        <source>verwijdert alle regels van systeem SYS</source>
        <translation>entfernt alle Zeilen des Systems SYS</translation>
    </message>
    <message>
        <source>--remove verwacht één systeem</source>
        <translation>--remove erwartet ein System</translation>
    </message>
    <message>
        <source>catalogue verwacht een naam en een positie</source>
        <translation>catalogue erwartet einen Namen und eine Position</translation>
    </message>
    <message>
        <source>--set en --remove gaan niet samen</source>
        <translation>--set und --remove können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--value en --edition horen bij --set</source>
        <translation>--value und --edition gehören zu --set</translation>
    </message>
    <message>
        <source>record %1 heeft geen nummer van systeem &apos;%2&apos;</source>
        <translation>Datensatz %1 hat keine Nummer des Systems &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Catalogusnummers van &apos;%1&apos; konden niet worden opgeslagen: %2</source>
        <translation>Katalognummern von &apos;%1&apos; konnten nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Catalogusnummers van &apos;%1&apos; konden niet worden gelezen: %2</source>
        <translation>Katalognummern von &apos;%1&apos; konnten nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>telt per nummer in catalogus SYS (&quot;Mi&quot;) in plaats
van per Cat.nr.</source>
        <translation>zählt je Nummer im Katalog SYS (&quot;Mi&quot;) statt
je Kat.-Nr.</translation>
    </message>
    <message>
        <source>--system verwacht één systeem</source>
        <translation>--system erwartet ein System</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; heeft geen nummers van systeem &apos;%2&apos;</source>
        <translation>Sammlung &apos;%1&apos; hat keine Nummern des Systems &apos;%2&apos;</translation>
    </message>
    <message>
        <source>schrijft verzameling NAAM als CSV-bestand, met een kolom per
catalogussysteem van de nummers in andere catalogi</source>
        <translation>schreibt die Sammlung NAAM als CSV-Datei, mit einer Spalte je
Katalogsystem der Nummern in anderen Katalogen</translation>
    </message>
    <message>
        <source>de records die TEKST bevatten (hoofdletters tellen
niet mee) of een nummer in een andere catalogus
(&quot;mi535&quot;): een regel per record, de positie TAB het
record zoals show het toont</source>
        <translation>die Datensätze, die TEKST enthalten (Groß- und Kleinschreibung
zählt nicht) oder eine Nummer in einem anderen Katalog
(&quot;mi535&quot;): eine Zeile je Datensatz, die Position TAB der
Datensatz, wie show ihn zeigt</translation>
    </message>
    <message>
        <source>de tekst die wordt gezocht</source>
        <translation>der gesuchte Text</translation>
    </message>
    <message>
        <source>find verwacht een naam en een tekst</source>
        <translation>find erwartet einen Namen und einen Text</translation>
    </message>
    <message>
        <source>mancolijst: per reeks (&quot;MBund 1-20&quot;, &quot;LP1-LP15&quot;,
&quot;NVPH 123a&quot;) de ontbrekende nummers en hun aantal;
een reeks van een ander catalogussysteem (&quot;Mi 570-592&quot;)
telt de nummers in dat systeem als geen eigen Cat.nr.
dat voorvoegsel heeft</source>
        <translation>Fehlliste: je Bereich (&quot;MBund 1-20&quot;, &quot;LP1-LP15&quot;,
&quot;NVPH 123a&quot;) die fehlenden Nummern und ihre Anzahl;
ein Bereich eines anderen Katalogsystems (&quot;Mi 570-592&quot;)
zählt die Nummern in diesem System, wenn keine eigene Kat.-Nr.
dieses Präfix hat</translation>
    </message>
    <message>
        <source>schrijft verzameling NAAM (--per-country: een per land)
uit een lijst die uit Colnect is geëxporteerd (CSV);
--update werkt bestaande verzamelingen bij,
--dry-run toont het verslag en schrijft niets</source>
        <translation>schreibt die Sammlung NAAM (--per-country: eine je Land)
aus einer aus Colnect exportierten Liste (CSV);
--update aktualisiert vorhandene Sammlungen,
--dry-run zeigt den Bericht und schreibt nichts</translation>
    </message>
    <message>
        <source>de lijst uit Colnect (.csv)</source>
        <translation>die Liste aus Colnect (.csv)</translation>
    </message>
    <message>
        <source>de catalogus van Cat.nr.: Mi (standaard), Sn, Yt, Sg, ...</source>
        <translation>der Katalog der Kat.-Nr.: Mi (Standard), Sn, Yt, Sg, ...</translation>
    </message>
    <message>
        <source>--catalogue verwacht een catalogus, zoals Mi of Yt</source>
        <translation>--catalogue erwartet einen Katalog, etwa Mi oder Yt</translation>
    </message>
    <message>
        <source>werkt bestaande verzamelingen bij op hun Colnect-nummers</source>
        <translation>aktualisiert vorhandene Sammlungen anhand ihrer Colnect-Nummern</translation>
    </message>
    <message>
        <source>import-colnect verwacht een bestand en een naam</source>
        <translation>import-colnect erwartet eine Datei und einen Namen</translation>
    </message>
    <message>
        <source>Colnect-bestand &apos;%1&apos; bestaat niet</source>
        <translation>Colnect-Datei &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>Colnect-bestand &apos;%1&apos; kan niet worden geïmporteerd: %2</source>
        <translation>Colnect-Datei &apos;%1&apos; kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>schrijft verzameling NAAM uit een CSV-bestand; kolommen met de naam
van een catalogussysteem (&quot;Mi&quot;) worden nummers in andere catalogi</source>
        <translation>schreibt die Sammlung NAAM aus einer CSV-Datei; Spalten mit dem Namen
eines Katalogsystems (&quot;Mi&quot;) werden zu Nummern in anderen Katalogen</translation>
    </message>
    <message>
        <source>spreekt Nederlands, Engels of Duits (meldingen, hulp
en afdrukken), boven de gekozen taal en het systeem</source>
        <translation>spricht Niederländisch, Englisch oder Deutsch (Meldungen,
Hilfe und Druck), statt der gewählten und der Systemsprache</translation>
    </message>
</context>
<context>
    <name>CollectionStatistics</name>
    <message>
        <source>(leeg)</source>
        <translation>(leer)</translation>
    </message>
</context>
<context>
    <name>ColnectImportForm</name>
    <message>
        <source>Importeren uit Colnect</source>
        <translation>Aus Colnect importieren</translation>
    </message>
    <message>
        <source>Lijsten</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Cat.nr. uit</source>
        <translation>Kat.-Nr. aus</translation>
    </message>
    <message>
        <source>Nieuw (bestaande vervangen)</source>
        <translation>Neu (bestehende ersetzen)</translation>
    </message>
    <message>
        <source>Bestaande bijwerken</source>
        <translation>Bestehende aktualisieren</translation>
    </message>
    <message>
        <source>Colnect-bestand kon niet worden gelezen!<byte value="xd"/>
%1</source>
        <translation>Colnect-Datei konnte nicht gelesen werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>en nog %1</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Postzegels : %1    Catalogi : %2</source>
        <translation>Marken : %1    Kataloge : %2</translation>
    </message>
    <message>
        <source>geen</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Wordt bijgewerkt of geschreven : %1</source>
        <translation>Wird aktualisiert oder geschrieben : %1</translation>
    </message>
    <message>
        <source>Wordt geschreven : %1</source>
        <translation>Wird geschrieben : %1</translation>
    </message>
    <message>
        <source>Colnect-bestand kon niet worden geïmporteerd!<byte value="xd"/>
%1</source>
        <translation>Colnect-Datei konnte nicht importiert werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>bijwerken uit Colnect</source>
        <translation>aus Colnect aktualisieren</translation>
    </message>
    <message>
        <source>%1 records in %2 verzameling(en): %3 gewijzigd, %4 ongewijzigd, %5 nieuw.</source>
        <translation>%1 Datensätze in %2 Sammlung(en): %3 geändert, %4 unverändert, %5 neu.</translation>
    </message>
    <message>
        <source>%1 records geïmporteerd in %2 verzameling(en).</source>
        <translation>%1 Datensätze in %2 Sammlung(en) importiert.</translation>
    </message>
</context>
<context>
    <name>ColumnClickHandler</name>
    <message>
        <source>Gesorteerd op : Jaartal</source>
        <translation>Sortiert nach : Jahr</translation>
    </message>
    <message>
        <source>Gesorteerd op : Catalogus nummer</source>
        <translation>Sortiert nach : Katalognummer</translation>
    </message>
    <message>
        <source>Gesorteerd op : Categorie</source>
        <translation>Sortiert nach : Kategorie</translation>
    </message>
    <message>
        <source>Gesorteerd op : Onderwerp</source>
        <translation>Sortiert nach : Motiv</translation>
    </message>
    <message>
        <source>Gesorteerd op : Soort zegel</source>
        <translation>Sortiert nach : Markenart</translation>
    </message>
    <message>
        <source>Gesorteerd op : Type zegel</source>
        <translation>Sortiert nach : Markentyp</translation>
    </message>
    <message>
        <source>Gesorteerd op :</source>
        <translation>Sortiert nach :</translation>
    </message>
</context>
<context>
    <name>ColumnSort</name>
    <message>
        <source>Fout in sorteer routine!<byte value="xd"/>
%1	%2</source>
        <translation>Fehler beim Sortieren!<byte value="xd"/>
%1	%2</translation>
    </message>
    <message>
        <source>Onvoldoende geheugen</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Onbekende fout</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ConfirmReplaceCollection</name>
    <message>
        <source>Wijzigingen zijn nog niet opgeslagen...<byte value="xd"/>
wilt u de huidige verzameling toch sluiten?</source>
        <translation>Änderungen sind noch nicht gespeichert...<byte value="xd"/>
möchten Sie die aktuelle Sammlung trotzdem schließen?</translation>
    </message>
</context>
<context>
    <name>CsvImportForm</name>
    <message>
        <source>tabs</source>
        <translation>Tabulatoren</translation>
    </message>
    <message>
        <source>komma&apos;s</source>
        <translation>Kommas</translation>
    </message>
    <message>
        <source>puntkomma&apos;s</source>
        <translation>Semikolons</translation>
    </message>
    <message>
        <source>Importeren uit CSV</source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message>
        <source>Bestand : %1</source>
        <translation>Datei : %1</translation>
    </message>
    <message>
        <source>%1 regels, gescheiden door %2</source>
        <translation>%1 Zeilen, getrennt durch %2</translation>
    </message>
    <message>
        <source>Eerste regel bevat kolomnamen</source>
        <translation>Erste Zeile enthält Spaltennamen</translation>
    </message>
    <message>
        <source>Toevoegen aan de lijst</source>
        <translation>Zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Lijst vervangen</source>
        <translation>Liste ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Voorbeeld</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Kolom %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>(leeg)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Te importeren records : %1</source>
        <translation>Zu importierende Datensätze : %1</translation>
    </message>
    <message>
        <source>Let op: 1 teken kan niet in een verzameling worden bewaard en wordt vervangen door &apos;?&apos;.</source>
        <translation>Hinweis: 1 Zeichen kann in einer Sammlung nicht gespeichert werden und wird durch &apos;?&apos; ersetzt.</translation>
    </message>
    <message>
        <source>Let op: %1 tekens kunnen niet in een verzameling worden bewaard en worden vervangen door &apos;?&apos;.</source>
        <translation>Hinweis: %1 Zeichen können in einer Sammlung nicht gespeichert werden und werden durch &apos;?&apos; ersetzt.</translation>
    </message>
</context>
<context>
    <name>CsvMenuCommands</name>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Exporteren naar CSV</source>
        <translation>Nach CSV exportieren</translation>
    </message>
    <message>
        <source>CSV-bestand kon niet worden geschreven!</source>
        <translation>CSV-Datei konnte nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Importeren uit CSV</source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV-bestand kon niet worden gelezen!</source>
        <translation>CSV-Datei konnte nicht gelesen werden!</translation>
    </message>
</context>
<context>
    <name>CurrentPrinter</name>
    <message>
        <source>PDF-bestand</source>
        <translation>PDF-Datei</translation>
    </message>
</context>
<context>
    <name>DetailPanel</name>
    <message>
        <source>Record</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Jaar van uitgifte</source>
        <translation>Ausgabejahr</translation>
    </message>
    <message>
        <source>Cat.nummer</source>
        <translation>Kat.-Nummer</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Soort zegel</source>
        <translation>Markenart</translation>
    </message>
    <message>
        <source>Type zegel</source>
        <translation>Markentyp</translation>
    </message>
    <message>
        <source>Waarde opdruk</source>
        <translation>Nennwert</translation>
    </message>
    <message>
        <source>Afbeelding</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Informatie</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Conditie</source>
        <translation>Erhaltung</translation>
    </message>
    <message>
        <source>Cat.Prijs</source>
        <translation>Kat.Wert</translation>
    </message>
    <message>
        <source>Mijn Prijs</source>
        <translation>Mein Preis</translation>
    </message>
    <message>
        <source>Dubbelklik om de catalogusnummers te bewerken</source>
        <translation>Doppelklicken, um die Katalognummern zu bearbeiten</translation>
    </message>
    <message>
        <source>Catalogusnummers: geen</source>
        <translation>Katalognummern: keine</translation>
    </message>
    <message>
        <source>Catalogusnummers: %1</source>
        <translation>Katalognummern: %1</translation>
    </message>
</context>
<context>
    <name>EditData</name>
    <message>
        <source>%1 woorden</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <source>%1 woorden.</source>
        <translation>%1 Wörter.</translation>
    </message>
    <message>
        <source>Data Bewerken</source>
        <translation>Daten bearbeiten</translation>
    </message>
    <message>
        <source>Woordenlijst</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Woorden</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Nieuw woord</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Verwijder Item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Eerst een tekst selecteren!</source>
        <translation>Erst einen Text auswählen!</translation>
    </message>
    <message>
        <source>Lijst kon niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>Liste konnte nicht gespeichert werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Zoeken</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Volgende</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Vorige</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source> Zoekbalk sluiten (Esc) </source>
        <translation> Suchleiste schließen (Esc) </translation>
    </message>
    <message>
        <source>Niet gevonden</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Alleen dit record</source>
        <translation>Nur dieser Datensatz</translation>
    </message>
    <message>
        <source>Verder vanaf het begin</source>
        <translation>Vom Anfang fortgesetzt</translation>
    </message>
    <message>
        <source>Verder vanaf het einde</source>
        <translation>Vom Ende fortgesetzt</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>Ongedaan maken</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Opnieuw</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ImportForm</name>
    <message>
        <source>Bestand : %1</source>
        <translation>Datei : %1</translation>
    </message>
    <message>
        <source>Bestand wordt gelezen...</source>
        <translation>Datei wird gelesen...</translation>
    </message>
    <message>
        <source>Landen</source>
        <translation>Länder</translation>
    </message>
    <message>
        <source>Eén verzameling per land</source>
        <translation>Eine Sammlung je Land</translation>
    </message>
    <message>
        <source>Naam verzameling</source>
        <translation>Sammlungsname</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>(geen land)</source>
        <translation>(kein Land)</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat reeds!<byte value="xd"/>
Wilt u deze overschrijven?</source>
        <translation>Sammlung &apos;%1&apos; existiert bereits!<byte value="xd"/>
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Let op:<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Hinweis:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
... en nog %1.</source>
        <translation><byte value="xd"/>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>Verzameling kon niet worden geopend!<byte value="xd"/>
%1</source>
        <translation>Sammlung konnte nicht geöffnet werden!<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>ImportMenuCommands</name>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Importeren uit Tellico</source>
        <translation>Aus Tellico importieren</translation>
    </message>
    <message>
        <source>Tellico-bestanden (*.tc *.xml)</source>
        <translation>Tellico-Dateien (*.tc *.xml)</translation>
    </message>
    <message>
        <source>Importeren uit Colnect</source>
        <translation>Aus Colnect importieren</translation>
    </message>
    <message>
        <source>Colnect-bestanden (*.csv)</source>
        <translation>Colnect-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>ImportText</name>
    <message>
        <source>Dit record heeft al een afbeelding: %1</source>
        <translation>Dieser Datensatz hat bereits ein Bild: %1</translation>
    </message>
    <message>
        <source>de afbeelding &apos;%1&apos; verwijst naar een plaats buiten het bestand</source>
        <translation>das Bild &apos;%1&apos; verweist auf eine Stelle außerhalb der Datei</translation>
    </message>
    <message>
        <source>het bestand kan niet worden gelezen</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>het zip-archief bevat geen tellico.xml</source>
        <translation>das Zip-Archiv enthält keine tellico.xml</translation>
    </message>
    <message>
        <source>dit is geen zip- of XML-bestand</source>
        <translation>dies ist keine Zip- oder XML-Datei</translation>
    </message>
    <message>
        <source>het bestand kan niet worden gelezen: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>het zip-archief is beschadigd (%1)</source>
        <translation>das Zip-Archiv ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>fout in de XML op regel %1: %2</source>
        <translation>Fehler im XML in Zeile %1: %2</translation>
    </message>
    <message>
        <source>het bestand bevat geen XML</source>
        <translation>die Datei enthält kein XML</translation>
    </message>
    <message>
        <source>dit is geen Tellico-bestand (het begint met &lt;%1&gt;)</source>
        <translation>dies ist keine Tellico-Datei (sie beginnt mit &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen postzegelverzameling maar een verzameling van het soort %2; alleen postzegelverzamelingen (soort 9) kunnen worden geïmporteerd</source>
        <translation>&apos;%1&apos; ist keine Briefmarkensammlung, sondern eine Sammlung vom Typ %2; nur Briefmarkensammlungen (Typ 9) können importiert werden</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>het bestand bevat geen verzameling</source>
        <translation>die Datei enthält keine Sammlung</translation>
    </message>
    <message>
        <source>afbeelding &apos;%1&apos; ontbreekt</source>
        <translation>Bild &apos;%1&apos; fehlt</translation>
    </message>
    <message>
        <source>afbeelding &apos;%1&apos; is groter dan %2 MB</source>
        <translation>Bild &apos;%1&apos; ist größer als %2 MB</translation>
    </message>
    <message>
        <source>het lezen is afgebroken</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>de verzameling bevat geen postzegels</source>
        <translation>die Sammlung enthält keine Briefmarken</translation>
    </message>
    <message>
        <source>totaal</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>Het land &apos;%1&apos; kan geen naam van een verzameling zijn; de %2 records ervan gaan naar &apos;%3&apos;.</source>
        <translation>Das Land &apos;%1&apos; kann nicht der Name einer Sammlung sein; seine %2 Datensätze kommen in &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>%1 tekens die een verzameling niet kan bewaren zijn vervangen door de letter die er het meest op lijkt of door &apos;?&apos;.</source>
        <translation>%1 Zeichen, die eine Sammlung nicht speichern kann, wurden durch den ähnlichsten Buchstaben oder durch &apos;?&apos; ersetzt.</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling: &apos;%1&apos;</source>
        <translation>Ungültiger Name für eine Sammlung: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kon niet worden opgeslagen: %2</source>
        <translation>Sammlung &apos;%1&apos; konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>geen catalogusnummer, dus geen plaats voor de afbeelding</source>
        <translation>keine Katalognummer, also kein Platz für das Bild</translation>
    </message>
    <message>
        <source>Afbeeldingen in het bestand konden niet worden gelezen: %1</source>
        <translation>Bilder in der Datei konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>het zip-archief is onvolledig of beschadigd (%1)</source>
        <translation>das Zip-Archiv ist unvollständig oder beschädigt (%1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is groter dan %2 MB</source>
        <translation>&apos;%1&apos; ist größer als %2 MB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is beschadigd (%2)</source>
        <translation>&apos;%1&apos; ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ontbreekt in het archief</source>
        <translation>&apos;%1&apos; fehlt im Archiv</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kan niet worden gelezen (%2)</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>geen lijst uit Colnect: de kopregel met Name, Country, Catalog Codes en Link ontbreekt</source>
        <translation>keine Liste aus Colnect: die Kopfzeile mit Name, Country, Catalog Codes und Link fehlt</translation>
    </message>
    <message>
        <source>het bestand is geen tekst</source>
        <translation>die Datei ist kein Text</translation>
    </message>
    <message>
        <source>regel %1 is geen UTF-8-tekst</source>
        <translation>Zeile %1 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>geen lijst uit Colnect: de kolommen %1 ontbreken</source>
        <translation>keine Liste aus Colnect: die Spalten %1 fehlen</translation>
    </message>
    <message>
        <source>regel %1 heeft %2 velden in plaats van %3</source>
        <translation>Zeile %1 hat %2 Felder statt %3</translation>
    </message>
    <message>
        <source>het bestand houdt op midden in een veld (vanaf regel %1)</source>
        <translation>die Datei endet mitten in einem Feld (ab Zeile %1)</translation>
    </message>
    <message>
        <source>het bestand is niet compleet: de regel &quot;END of Colnect list&quot; ontbreekt</source>
        <translation>die Datei ist nicht vollständig: die Zeile &quot;END of Colnect list&quot; fehlt</translation>
    </message>
    <message>
        <source>de lijst bevat geen postzegels</source>
        <translation>die Liste enthält keine Briefmarken</translation>
    </message>
    <message>
        <source>%1 postzegels hebben geen nummer van %2; hun Cat.nr. is het nummer van hun eerste code.</source>
        <translation>%1 Briefmarken haben keine Nummer von %2; ihre Kat.-Nr. ist die Nummer ihres ersten Codes.</translation>
    </message>
    <message>
        <source>%1 postzegels hebben geen enkele catalogus-code.</source>
        <translation>%1 Briefmarken haben überhaupt keinen Katalogcode.</translation>
    </message>
    <message>
        <source>%1 postzegels staan alleen in weggelaten lijsten en worden niet geïmporteerd.</source>
        <translation>%1 Briefmarken stehen nur in ausgelassenen Listen und werden nicht importiert.</translation>
    </message>
    <message>
        <source>%1: %2 records zonder Colnect-nummer en %3 records die het bestand niet (meer) noemt zijn ongemoeid gelaten.</source>
        <translation>%1: %2 Datensätze ohne Colnect-Nummer und %3 Datensätze, die die Datei nicht (mehr) nennt, blieben unverändert.</translation>
    </message>
    <message>
        <source>%1: %2 postzegels zonder Colnect-nummer zijn niet toegevoegd, want ze zijn niet terug te vinden.</source>
        <translation>%1: %2 Briefmarken ohne Colnect-Nummer wurden nicht hinzugefügt, da sie sich nicht wiederfinden lassen.</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kan niet worden gelezen: %2</source>
        <translation>Sammlung &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Taal</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Taal kon niet worden bewaard!<byte value="xd"/>
%1</source>
        <translation>Sprache konnte nicht gespeichert werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ListToolDialog</name>
    <message>
        <source>Exporteren naar CSV</source>
        <translation>Nach CSV exportieren</translation>
    </message>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>(alle)</source>
        <translation>(alle)</translation>
    </message>
    <message>
        <source>Kopiëren</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Exporteren naar CSV...</source>
        <translation>Nach CSV exportieren...</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>CSV-bestand kon niet worden geschreven!<byte value="xd"/>
%1</source>
        <translation>CSV-Datei konnte nicht geschrieben werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Tessaron (2)</source>
        <translation>Tessaron (2)</translation>
    </message>
    <message>
        <source>Verzamelgebied : %1</source>
        <translation>Sammelgebiet : %1</translation>
    </message>
    <message>
        <source>Aantal Records : %1</source>
        <translation>Anzahl Datensätze : %1</translation>
    </message>
    <message>
        <source>Aantal Gegevens : %1</source>
        <translation>Anzahl Einträge : %1</translation>
    </message>
    <message>
        <source>Totaalprijs</source>
        <translation>Gesamtpreis</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source> Record Toevoegen </source>
        <translation> Datensatz hinzufügen </translation>
    </message>
    <message>
        <source>Wijzig</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source> Record Wijzigen </source>
        <translation> Datensatz ändern </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source> Record Verwijderen </source>
        <translation> Datensatz löschen </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Afbeelding</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Gesorteerd op :</source>
        <translation>Sortiert nach :</translation>
    </message>
    <message>
        <source>Totaalprijs Berekenen</source>
        <translation>Gesamtpreis</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source> Totaalprijs Berekenen </source>
        <translation> Gesamtpreis berechnen </translation>
    </message>
    <message>
        <source>Wijzigingen zijn nog niet opgeslagen...<byte value="xd"/>
wilt u het programma toch afsluiten?</source>
        <translation>Änderungen sind noch nicht gespeichert...<byte value="xd"/>
möchten Sie das Programm trotzdem beenden?</translation>
    </message>
    <message>
        <source> Sluiten</source>
        <translation> Schließen</translation>
    </message>
    <message>
        <source>Instellingen konden niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>Einstellungen konnten nicht gespeichert werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Catalogusnummers van &apos;%1&apos; waren beschadigd: %2 regel(s) konden niet worden gelezen.<byte value="xd"/>
Het oorspronkelijke bestand is bewaard als %3.</source>
        <translation>Katalognummern von &apos;%1&apos; waren beschädigt: %2 Zeile(n) konnten nicht gelesen werden.<byte value="xd"/>
Die ursprüngliche Datei wurde als %3 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Nieuw</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Openen</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Importeren Oude Data</source>
        <translation>Alte Daten importieren</translation>
    </message>
    <message>
        <source>Exporteren naar CSV</source>
        <translation>Nach CSV exportieren</translation>
    </message>
    <message>
        <source>Importeren uit CSV</source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message>
        <source>Importeren uit Tellico...</source>
        <translation>Aus Tellico importieren...</translation>
    </message>
    <message>
        <source>Vorige versies...</source>
        <translation>Frühere Versionen...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Webpage Ontwerpen</source>
        <translation>Webseite gestalten</translation>
    </message>
    <message>
        <source>Data Bewerken</source>
        <translation>Daten bearbeiten</translation>
    </message>
    <message>
        <source>Afbeeldingen controleren</source>
        <translation>Bilder prüfen</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Statistiek</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Afbeelding toevoegen...</source>
        <translation>Bild hinzufügen...</translation>
    </message>
    <message>
        <source>Afbeelding plakken</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Afbeeldingen importeren...</source>
        <translation>Bilder importieren...</translation>
    </message>
    <message>
        <source>Mancolijst...</source>
        <translation>Fehlliste...</translation>
    </message>
    <message>
        <source>Dubbelen...</source>
        <translation>Dubletten...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Meer Software</source>
        <translation>Weitere Software</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Over Tessaron2...</source>
        <translation>Über Tessaron2...</translation>
    </message>
    <message>
        <source>Geen gegevens in de lijst!</source>
        <translation>Keine Daten in der Liste!</translation>
    </message>
    <message>
        <source>Er is geen programma ingesteld om PDF-bestanden te openen.<byte value="xd"/>
De help staat in: %1</source>
        <translation>Es ist kein Programm zum Öffnen von PDF-Dateien eingerichtet.<byte value="xd"/>
Die Hilfe befindet sich in: %1</translation>
    </message>
    <message>
        <source>Catalogusnummers...</source>
        <translation>Katalognummern...</translation>
    </message>
    <message>
        <source>Kies eerst een record in de lijst.</source>
        <translation>Wählen Sie zuerst einen Datensatz in der Liste.</translation>
    </message>
    <message>
        <source>Catalogusnummers</source>
        <translation>Katalognummern</translation>
    </message>
    <message>
        <source>Importeren uit Colnect...</source>
        <translation>Aus Colnect importieren...</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>NieuwForm</name>
    <message>
        <source>Nieuwe Verzameling</source>
        <translation>Neue Sammlung</translation>
    </message>
    <message>
        <source>Landen / Motief</source>
        <translation>Länder / Motiv</translation>
    </message>
    <message>
        <source>Maak een keuze uit het rolmenu voor het aanmaken van één van de %1 landen of motief verzamelingen, of typ zelf een gekozen naam in.</source>
        <translation>Wählen Sie aus der Klappliste eine der %1 Länder- oder Motivsammlungen aus, oder geben Sie selbst einen Namen ein.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat reeds!</source>
        <translation>Sammlung &apos;%1&apos; existiert bereits!</translation>
    </message>
</context>
<context>
    <name>OfferDemoData</name>
    <message>
        <source>De programmamap %1 bevat geen map Verzameling of Data, en de meegeleverde gegevens om haar te vullen zijn niet gevonden.</source>
        <translation>Der Programmordner %1 enthält keinen Ordner Verzameling oder Data, und die mitgelieferten Daten zum Füllen wurden nicht gefunden.</translation>
    </message>
    <message>
        <source>De programmamap %1 bevat geen map Verzameling of Data.<byte value="xd"/>
Wilt u haar vullen met de woordenlijsten, de help en de demoverzameling?</source>
        <translation>Der Programmordner %1 enthält keinen Ordner Verzameling oder Data.<byte value="xd"/>
Möchten Sie ihn mit den Wortlisten, der Hilfe und der Demosammlung füllen?</translation>
    </message>
    <message>
        <source>Programmamap kon niet worden gevuld!<byte value="xd"/>
%1</source>
        <translation>Programmordner konnte nicht gefüllt werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>OpenFile</name>
    <message>
        <source>Open Verzameling</source>
        <translation>Sammlung öffnen</translation>
    </message>
    <message>
        <source>Oude Data Importeren</source>
        <translation>Alte Daten importieren</translation>
    </message>
    <message>
        <source>Verzamelingen</source>
        <translation>Sammlungen</translation>
    </message>
    <message>
        <source>Oude data</source>
        <translation>Alte Daten</translation>
    </message>
    <message>
        <source>Maak d.m.v. de linker lijst een keuze uit de verzameling die u wilt openen.</source>
        <translation>Wählen Sie in der linken Liste die Sammlung, die Sie öffnen möchten.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wilt u de verzameling &apos;%1&apos; verwijderen<byte value="xd"/>
inclusief eventuele sub-mappen en afbeeldingen?</source>
        <translation>Möchten Sie die Sammlung &apos;%1&apos; löschen,<byte value="xd"/>
einschließlich etwaiger Unterordner und Bilder?</translation>
    </message>
    <message>
        <source>Verzameling kon niet worden verwijderd!<byte value="xd"/>
%1</source>
        <translation>Sammlung konnte nicht gelöscht werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>PdfFileQuestion</name>
    <message>
        <source>PDF-bestand</source>
        <translation>PDF-Datei</translation>
    </message>
</context>
<context>
    <name>PictureCheckDialog</name>
    <message>
        <source>Afbeeldingen controleren</source>
        <translation>Bilder prüfen</translation>
    </message>
    <message>
        <source>Uitkomst van de controle</source>
        <translation>Ergebnis der Prüfung</translation>
    </message>
    <message>
        <source>Een afbeelding hoort bij een record als ze in de map van het jaartal staat en het catalogusnummer met .jpg als naam heeft (hoofdletters tellen niet). Andere bestanden, ook die geen .jpg zijn, tellen als niet gebruikt. Dubbelklik op een regel om het record in de lijst te kiezen.</source>
        <translation>Ein Bild gehört zu einem Datensatz, wenn es im Ordner des Jahres liegt und die Katalognummer mit .jpg als Namen hat (Groß-/Kleinschreibung egal). Andere Dateien, auch solche ohne .jpg, gelten als nicht verwendet. Ein Doppelklick auf eine Zeile wählt den Datensatz in der Liste aus.</translation>
    </message>
    <message>
        <source>Afbeelding toevoegen...</source>
        <translation>Bild hinzufügen...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ontbrekende afbeeldingen : %1        Niet gebruikte bestanden : %2</source>
        <translation>Fehlende Bilder : %1        Nicht verwendete Dateien : %2</translation>
    </message>
    <message>
        <source>Ontbrekende afbeelding : %1 / %2</source>
        <translation>Fehlendes Bild : %1 / %2</translation>
    </message>
    <message>
        <source>Niet gebruikt bestand : %1</source>
        <translation>Nicht verwendete Datei : %1</translation>
    </message>
    <message>
        <source>%1   (record %2 / %3?)</source>
        <translation>%1   (Datensatz %2 / %3?)</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Afbeeldingen (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Afbeelding kon niet worden toegevoegd!<byte value="xd"/>
%1</source>
        <translation>Bild konnte nicht hinzugefügt werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Verzameling heeft nog geen naam!<byte value="xd"/>
Sla de verzameling eerst op.</source>
        <translation>Sammlung hat noch keinen Namen!<byte value="xd"/>
Speichern Sie die Sammlung zuerst.</translation>
    </message>
    <message>
        <source>Geen record gekozen!</source>
        <translation>Kein Datensatz ausgewählt!</translation>
    </message>
    <message>
        <source>Record heeft al een afbeelding.<byte value="xd"/>
Wilt u deze vervangen?</source>
        <translation>Datensatz hat bereits ein Bild.<byte value="xd"/>
Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>Afbeelding toevoegen</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Geen afbeelding op het klembord!</source>
        <translation>Kein Bild in der Zwischenablage!</translation>
    </message>
    <message>
        <source>Afbeeldingen importeren</source>
        <translation>Bilder importieren</translation>
    </message>
</context>
<context>
    <name>PictureImportForm</name>
    <message>
        <source>nieuw</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>vervangt</source>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>geen record</source>
        <translation>kein Datensatz</translation>
    </message>
    <message>
        <source>Afbeeldingen importeren</source>
        <translation>Bilder importieren</translation>
    </message>
    <message>
        <source>Gevonden afbeeldingen</source>
        <translation>Gefundene Bilder</translation>
    </message>
    <message>
        <source>Niet gevonden kopiëren</source>
        <translation>Nicht zugeordnete kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Importeren</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Bestand</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Actie</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Map : %1        Bestanden : %2        Zonder record : %3</source>
        <translation>Ordner : %1        Dateien : %2        Ohne Datensatz : %3</translation>
    </message>
    <message>
        <source>Geen bestanden aangevinkt!</source>
        <translation>Keine Dateien angehakt!</translation>
    </message>
    <message>
        <source>%1 afbeeldingen toegevoegd.</source>
        <translation>%1 Bilder hinzugefügt.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Niet toegevoegd:<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
Nicht hinzugefügt:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>PlaceholderPicture</name>
    <message>
        <source>Geen Afbeelding</source>
        <translation>Kein Bild</translation>
    </message>
</context>
<context>
    <name>PrintOnCurrentPrinter</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Naar printer &apos;%1&apos; gestuurd.</source>
        <translation>An Drucker &apos;%1&apos; gesendet.</translation>
    </message>
    <message>
        <source>Opgeslagen als PDF-bestand: %1</source>
        <translation>Als PDF-Datei gespeichert: %1</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>PrintText</name>
    <message>
        <source>Catalogusnummer</source>
        <translation>Katalognummer</translation>
    </message>
    <message>
        <source>Aantal</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Dubbelen %1</source>
        <translation>Dubletten %1</translation>
    </message>
    <message>
        <source>Reeks</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Ontbrekend</source>
        <translation>Fehlend</translation>
    </message>
    <message>
        <source>Mancolijst %1</source>
        <translation>Fehlliste %1</translation>
    </message>
    <message>
        <source>Totaal</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Cat.Nummer</source>
        <translation>Kat.-Nummer</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Conditie</source>
        <translation>Erhaltung</translation>
    </message>
    <message>
        <source>Verzameling : %1</source>
        <translation>Sammlung : %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; zonder waarde</source>
        <translation>&apos;%1&apos; ohne Wert</translation>
    </message>
    <message>
        <source>onbekend argument &apos;%1&apos;</source>
        <translation>unbekanntes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; verwacht een getal, niet &apos;%2&apos;</source>
        <translation>&apos;%1&apos; erwartet eine Zahl, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--job 1 tot en met 5 is nodig</source>
        <translation>--job 1 bis 5 ist erforderlich</translation>
    </message>
    <message>
        <source>--pdf BESTAND is nodig</source>
        <translation>--pdf BESTAND ist erforderlich</translation>
    </message>
    <message>
        <source>Maximaal 999 exemplaren!</source>
        <translation>Höchstens 999 Exemplare!</translation>
    </message>
    <message>
        <source>record %1 bestaat niet (1 tot en met %2)</source>
        <translation>Datensatz %1 existiert nicht (1 bis %2)</translation>
    </message>
    <message>
        <source>foto &apos;%1&apos; kon niet worden gelezen</source>
        <translation>Foto &apos;%1&apos; konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 (--record POS)</source>
        <translation>%1 (--record POS)</translation>
    </message>
    <message>
        <source>PDF &apos;%1&apos; kon niet worden geschreven</source>
        <translation>PDF &apos;%1&apos; konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Complete lijst afdrukken met de reeds ingevoerde gegevens.</source>
        <translation>Vollständige Liste mit den bisher eingegebenen Daten drucken.</translation>
    </message>
    <message>
        <source>Complete lijst afdrukken met prijs en totaal prijs.</source>
        <translation>Vollständige Liste mit Preis und Gesamtpreis drucken.</translation>
    </message>
    <message>
        <source>Huidige record afdrukken met eventuele afbeelding van de zegels en velletjes.</source>
        <translation>Aktuellen Datensatz mit dem Bild der Marken und Blocks drucken, sofern vorhanden.</translation>
    </message>
    <message>
        <source>Sluitzegelvel afdrukken met eigen foto. Klik op de button voor uw foto.</source>
        <translation>Vignettenbogen mit eigenem Foto drucken. Klicken Sie auf die Schaltfläche für Ihr Foto.</translation>
    </message>
    <message>
        <source>Afdrukken van jaartallen van 1850 t/m 2019 voor insteekboeken</source>
        <translation>Jahreszahlen von 1850 bis 2019 für Einsteckbücher drucken</translation>
    </message>
    <message>
        <source>Cat.nummer</source>
        <translation>Kat.-Nummer</translation>
    </message>
    <message>
        <source>Catalogusprijs</source>
        <translation>Katalogwert</translation>
    </message>
    <message>
        <source>Mijn prijs</source>
        <translation>Mein Preis</translation>
    </message>
    <message>
        <source>Item selecteren a.u.b.</source>
        <translation>Bitte einen Eintrag auswählen.</translation>
    </message>
    <message>
        <source>Itemnummer</source>
        <translation>Eintragsnummer</translation>
    </message>
    <message>
        <source>Jaartal</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Catalogus Nummer</source>
        <translation>Katalognummer</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Soort zegel</source>
        <translation>Markenart</translation>
    </message>
    <message>
        <source>Type zegel</source>
        <translation>Markentyp</translation>
    </message>
    <message>
        <source>Waarde opdruk</source>
        <translation>Nennwert</translation>
    </message>
    <message>
        <source>Afbeelding</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Opmerking</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Catalogus Prijs</source>
        <translation>Katalogwert</translation>
    </message>
    <message>
        <source>Mijn Prijs</source>
        <translation>Mein Preis</translation>
    </message>
    <message>
        <source>Verzamelgebied : %1</source>
        <translation>Sammelgebiet : %1</translation>
    </message>
    <message>
        <source>Aantal Gegevens : %1</source>
        <translation>Anzahl Einträge : %1</translation>
    </message>
    <message>
        <source>Aantal Records : %1</source>
        <translation>Anzahl Datensätze : %1</translation>
    </message>
    <message>
        <source>PDF-bestand</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; kon het document niet aannemen.</source>
        <translation>Der Drucker &quot;%1&quot; konnte das Dokument nicht annehmen.</translation>
    </message>
    <message>
        <source>Het document kon niet naar de printer &quot;%1&quot; worden gestuurd.</source>
        <translation>Das Dokument konnte nicht an den Drucker &quot;%1&quot; gesendet werden.</translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Cat.Prijs</source>
        <translation>Kat.Wert</translation>
    </message>
    <message>
        <source>(leeg)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 je %2</translation>
    </message>
    <message>
        <source>Statistiek : %1</source>
        <translation>Statistik : %1</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printerkeuze</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>RecordEditing</name>
    <message>
        <source>Wilt u (%1) verwijderen uit de lijst?</source>
        <translation>Möchten Sie (%1) aus der Liste entfernen?</translation>
    </message>
    <message>
        <source> Delete</source>
        <translation> Löschen</translation>
    </message>
    <message>
        <source>Catalogus nummer invullen a.u.b.</source>
        <translation>Bitte die Katalognummer eintragen.</translation>
    </message>
</context>
<context>
    <name>RecordSelection</name>
    <message>
        <source>Geen afbeelding</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Afbeelding van %1</source>
        <translation>Bild von %1</translation>
    </message>
</context>
<context>
    <name>RecoveryGuard</name>
    <message>
        <source>Er zijn niet-opgeslagen wijzigingen van %1 gevonden (verzameling &apos;%2&apos;).<byte value="xd"/>
Wilt u deze herstellen?</source>
        <translation>Nicht gespeicherte Änderungen vom %1 wurden gefunden (Sammlung &apos;%2&apos;).<byte value="xd"/>
Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; is ook geopend in een ander programma.<byte value="xd"/>
Wat u hier wijzigt, wordt apart bewaard tot u het opslaat; sla op onder een andere naam om beide te houden.</source>
        <translation>Sammlung &apos;%1&apos; ist auch in einem anderen Programm geöffnet.<byte value="xd"/>
Was Sie hier ändern, wird getrennt aufbewahrt, bis Sie es speichern; speichern Sie unter einem anderen Namen, um beide zu behalten.</translation>
    </message>
</context>
<context>
    <name>SaveForm</name>
    <message>
        <source>Verzameling Opslaan</source>
        <translation>Sammlung speichern</translation>
    </message>
    <message>
        <source>Naam van de verzameling</source>
        <translation>Name der Sammlung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat reeds!<byte value="xd"/>
Wilt u deze overschrijven?</source>
        <translation>Sammlung &apos;%1&apos; existiert bereits!<byte value="xd"/>
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; is intussen door een ander programma gewijzigd.<byte value="xd"/>
Wilt u deze toch overschrijven?</source>
        <translation>Sammlung &apos;%1&apos; wurde inzwischen von einem anderen Programm geändert.<byte value="xd"/>
Möchten Sie sie trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>Naam verzameling ontbreekt!</source>
        <translation>Name der Sammlung fehlt!</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Toch opslaan zonder vorige versie?</source>
        <translation>%1<byte value="xd"/>
Trotzdem ohne frühere Version speichern?</translation>
    </message>
    <message>
        <source>Verzameling kon niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>Sammlung konnte nicht gespeichert werden!<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>SlideshowPage</name>
    <message>
        <source>Gebruik het scrollwiel van de muis en de zoekopdracht van de browser om te navigeren door dit album.</source>
        <translation>Verwenden Sie das Mausrad und die Suchfunktion des Browsers, um sich in diesem Album zu bewegen.</translation>
    </message>
    <message>
        <source>Eerst een verzameling met zegels laden!</source>
        <translation>Erst eine Sammlung mit Marken laden!</translation>
    </message>
</context>
<context>
    <name>StampRecord</name>
    <message>
        <source>Jaartal</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Cat.nr.</source>
        <translation>Kat.-Nr.</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Opdruk</source>
        <translation>Nennwert</translation>
    </message>
    <message>
        <source>Afbeedling</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Conditie</source>
        <translation>Erhaltung</translation>
    </message>
    <message>
        <source>Cat.Prijs</source>
        <translation>Kat.Wert</translation>
    </message>
    <message>
        <source>Mijn Prijs</source>
        <translation>Mein Preis</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Aantal</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Cat.Prijs</source>
        <translation>Kat.Wert</translation>
    </message>
    <message>
        <source>Mijn Prijs</source>
        <translation>Mein Preis</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Statistiek</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Per</source>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Grafiek van</source>
        <translation>Grafik von</translation>
    </message>
    <message>
        <source>Grafiek</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Totaal</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Catalogus</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Wijzig %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Catalogusnummers %1</source>
        <translation>Katalognummern %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>sorteren op %1</source>
        <translation>nach %1 sortieren</translation>
    </message>
    <message>
        <source>vervangen door CSV</source>
        <translation>durch CSV ersetzen</translation>
    </message>
    <message>
        <source>importeren uit CSV</source>
        <translation>aus CSV importieren</translation>
    </message>
    <message>
        <source>Cat.Prijs : € %1</source>
        <translation>Kat.Wert : € %1</translation>
    </message>
    <message>
        <source>Mijn Prijs : € %1</source>
        <translation>Mein Preis : € %1</translation>
    </message>
    <message>
        <source>Het bestand of de map bestaat niet.</source>
        <translation>Die Datei oder der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>Geen toegang tot het bestand of de map.</source>
        <translation>Kein Zugriff auf die Datei oder den Ordner.</translation>
    </message>
    <message>
        <source>Dit is een map, geen bestand.</source>
        <translation>Dies ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>De schijf is vol.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>De schijf is alleen te lezen.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Het bestand is te groot.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>De naam van het bestand is te lang.</source>
        <translation>Der Name der Datei ist zu lang.</translation>
    </message>
    <message>
        <source>Map kon niet worden verwijderd: %1</source>
        <translation>Ordner konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is een bestand van de verzamelingen en wordt nooit overschreven</source>
        <translation>&apos;%1&apos; ist eine Datei der Sammlungen und wird nie überschrieben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is een map</source>
        <translation>&apos;%1&apos; ist ein Ordner</translation>
    </message>
    <message>
        <source>Bestand &apos;%1&apos; bestaat reeds; --force overschrijft het</source>
        <translation>Datei &apos;%1&apos; existiert bereits; --force überschreibt sie</translation>
    </message>
    <message>
        <source>Koppeling &apos;%1&apos; kon niet worden vervangen: %2</source>
        <translation>Verknüpfung &apos;%1&apos; konnte nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>De meegeleverde gegevens zijn niet gevonden.</source>
        <translation>Die mitgelieferten Daten wurden nicht gefunden.</translation>
    </message>
    <message>
        <source>De map kon niet worden gemaakt: %1</source>
        <translation>Der Ordner konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>De map %1 kon niet worden gevuld.</source>
        <translation>Der Ordner %1 konnte nicht gefüllt werden.</translation>
    </message>
    <message>
        <source>Het bestand bestaat niet.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Dit is geen gewoon bestand.</source>
        <translation>Dies ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>map kon niet worden aangemaakt: %1</source>
        <translation>Ordner konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Het bestand is te kort.</source>
        <translation>Die Datei ist zu kurz.</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling!</source>
        <translation>Ungültiger Name für eine Sammlung!</translation>
    </message>
    <message>
        <source>De naam is te lang voor een bestandsnaam op deze schijf: %1 bytes, ten hoogste %2 (een letter met een accent telt voor twee).</source>
        <translation>Der Name ist zu lang für einen Dateinamen auf diesem Datenträger: %1 Bytes, höchstens %2 (ein Buchstabe mit Akzent oder Umlaut zählt doppelt).</translation>
    </message>
    <message>
        <source>Map voor afbeeldingen kon niet worden aangemaakt: %1</source>
        <translation>Ordner für Bilder konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Mancolijst niet meegenomen: %1</source>
        <translation>Fehlliste nicht mitgenommen: %1</translation>
    </message>
    <message>
        <source>Mancolijst niet teruggezet: %1</source>
        <translation>Fehlliste nicht wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Catalogusnummers niet teruggezet: %1</source>
        <translation>Katalognummern nicht wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Verzameling kon niet worden vergrendeld: %1</source>
        <translation>Sammlung konnte nicht gesperrt werden: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kon niet worden hernoemd</source>
        <translation>&apos;%1&apos; konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>een ander programma slaat deze verzameling op</source>
        <translation>ein anderes Programm speichert gerade diese Sammlung</translation>
    </message>
    <message>
        <source>slotbestand kon niet worden aangemaakt</source>
        <translation>Sperrdatei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; is intussen door een ander programma gewijzigd.</source>
        <translation>Sammlung &apos;%1&apos; wurde inzwischen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Catalogusnummers konden niet worden opgeslagen: %1</source>
        <translation>Katalognummern konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Vorige versie kon niet worden bewaard: %1</source>
        <translation>Frühere Version konnte nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>map is een symbolische koppeling: %1</source>
        <translation>Ordner ist eine symbolische Verknüpfung: %1</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kan niet worden geschreven: %2</source>
        <translation>Sammlung &apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>ongeldige naam</source>
        <translation>ungültiger Name</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen bestand</source>
        <translation>&apos;%1&apos; ist keine Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen map</source>
        <translation>&apos;%1&apos; ist kein Ordner</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is een koppeling</source>
        <translation>&apos;%1&apos; ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>map &apos;%1&apos; kon niet worden gemaakt</source>
        <translation>Ordner &apos;%1&apos; konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Vorige afbeelding kon niet worden bewaard: %1</source>
        <translation>Früheres Bild konnte nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>(naamloos)</source>
        <translation>(unbenannt)</translation>
    </message>
    <message>
        <source>Map is een symbolische koppeling: %1</source>
        <translation>Ordner ist eine symbolische Verknüpfung: %1</translation>
    </message>
    <message>
        <source>Map kon niet worden aangemaakt: %1</source>
        <translation>Ordner konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Bestand is een symbolische koppeling: %1</source>
        <translation>Datei ist eine symbolische Verknüpfung: %1</translation>
    </message>
    <message>
        <source>Bestand is intussen gewijzigd: %1</source>
        <translation>Datei wurde inzwischen geändert: %1</translation>
    </message>
    <message>
        <source>Afbeelding kon niet als JPEG worden opgeslagen: %1</source>
        <translation>Bild konnte nicht als JPEG gespeichert werden: %1</translation>
    </message>
    <message>
        <source>De verzameling heeft nog geen naam; sla haar eerst op.</source>
        <translation>Die Sammlung hat noch keinen Namen; speichern Sie sie zuerst.</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling: &apos;%1&apos;</source>
        <translation>Ungültiger Name für eine Sammlung: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Dit record heeft geen jaartal.</source>
        <translation>Dieser Datensatz hat kein Jahr.</translation>
    </message>
    <message>
        <source>Dit record heeft geen catalogusnummer.</source>
        <translation>Dieser Datensatz hat keine Katalognummer.</translation>
    </message>
    <message>
        <source>Het jaartal &apos;%1&apos; kan geen mapnaam zijn.</source>
        <translation>Das Jahr &apos;%1&apos; kann kein Ordnername sein.</translation>
    </message>
    <message>
        <source>Het catalogusnummer &apos;%1&apos; kan geen bestandsnaam zijn.</source>
        <translation>Die Katalognummer &apos;%1&apos; kann kein Dateiname sein.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Dit JPEG-bestand is beschadigd of onvolledig.</source>
        <translation>Diese JPEG-Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>Deze afbeelding is te groot: %1 x %2 beeldpunten (het programma leest tot %3 miljoen beeldpunten).</source>
        <translation>Dieses Bild ist zu groß: %1 x %2 Pixel (das Programm liest bis zu %3 Millionen Pixel).</translation>
    </message>
    <message>
        <source>Dit is geen afbeelding die het programma kan lezen.</source>
        <translation>Dies ist kein Bild, das das Programm lesen kann.</translation>
    </message>
    <message>
        <source>Er is geen afbeelding.</source>
        <translation>Es ist kein Bild vorhanden.</translation>
    </message>
    <message>
        <source>Dit record heeft al een afbeelding: %1</source>
        <translation>Dieser Datensatz hat bereits ein Bild: %1</translation>
    </message>
    <message>
        <source>Map &apos;%1&apos; kon niet worden gemaakt.</source>
        <translation>Ordner &apos;%1&apos; konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ligt buiten de map van de verzameling.</source>
        <translation>&apos;%1&apos; liegt außerhalb des Ordners der Sammlung.</translation>
    </message>
    <message>
        <source>Koppeling &apos;%1&apos; kon niet worden verwijderd.</source>
        <translation>Verknüpfung &apos;%1&apos; konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Afbeelding kon niet worden opgeslagen: %1</source>
        <translation>Bild konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Dit catalogusnummer hoort bij %1 records.</source>
        <translation>Diese Katalognummer gehört zu %1 Datensätzen.</translation>
    </message>
    <message>
        <source>%1 bestanden horen bij dit record.</source>
        <translation>%1 Dateien gehören zu diesem Datensatz.</translation>
    </message>
    <message>
        <source>%1: geen record</source>
        <translation>%1: kein Datensatz</translation>
    </message>
    <message>
        <source>%1: conflict; %2</source>
        <translation>%1: Konflikt; %2</translation>
    </message>
    <message>
        <source>%1: dit record kreeg al een afbeelding</source>
        <translation>%1: dieser Datensatz hat bereits ein Bild erhalten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Onbekende taal &apos;%1&apos; (nl, en of de)</source>
        <translation>Unbekannte Sprache &apos;%1&apos; (nl, en oder de)</translation>
    </message>
</context>
<context>
    <name>SystemPrinterCanvas</name>
    <message>
        <source>De printer &quot;%1&quot; is niet gevonden.</source>
        <translation>Der Drucker &quot;%1&quot; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; neemt geen opdrachten aan.</source>
        <translation>Der Drucker &quot;%1&quot; nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; is gestopt.</source>
        <translation>Der Drucker &quot;%1&quot; ist angehalten.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; heeft de opdracht geweigerd: %2</source>
        <translation>Der Drucker &quot;%1&quot; hat den Auftrag abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>TellicoImportForm</name>
    <message>
        <source>Importeren uit Tellico</source>
        <translation>Aus Tellico importieren</translation>
    </message>
    <message>
        <source>Tellico-bestand kon niet worden gelezen!<byte value="xd"/>
%1</source>
        <translation>Tellico-Datei konnte nicht gelesen werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Postzegels : %1    Afbeeldingen : %2 gevonden, %3 ontbreken</source>
        <translation>Marken : %1    Bilder : %2 gefunden, %3 fehlen</translation>
    </message>
    <message>
        <source>Wordt geschreven : %1</source>
        <translation>Wird geschrieben : %1</translation>
    </message>
    <message>
        <source>Tellico-bestand kon niet worden geïmporteerd!<byte value="xd"/>
%1</source>
        <translation>Tellico-Datei konnte nicht importiert werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 records en %2 afbeeldingen geïmporteerd in %3 verzameling(en).</source>
        <translation>%1 Datensätze und %2 Bilder in %3 Sammlung(en) importiert.</translation>
    </message>
</context>
<context>
    <name>Tessaron2Main</name>
    <message>
        <source>gebruik: tessaron2 [--home MAP] [--language nl|en|de]
Tessaron2 Zegelarchief: een eigen postzegelverzameling bijhouden.

  --home MAP            MAP is de programmamap
  --language nl|en|de   spreekt Nederlands, Engels of Duits, voor deze keer
                        boven de keuze onder Help &gt; Taal en de taal van het systeem
  --help                toont deze tekst
  --version             toont de versie

De programmamap (Tessaron2.ini, Data/, Verzameling/) is MAP van --home, anders
$TESSARON2_HOME, anders de map van het programma als die een map Verzameling
bevat, anders ~/Tessaron2, die bij de eerste start wordt gevuld met de
woordenlijsten, de help en de demoverzameling.
</source>
        <translation>Aufruf: tessaron2 [--home ORDNER] [--language nl|en|de]
Tessaron2 Briefmarkenarchiv: die eigene Briefmarkensammlung verwalten.

  --home ORDNER         ORDNER ist der Programmordner
  --language nl|en|de   spricht diesmal Niederländisch, Englisch oder Deutsch, statt
                        der Wahl unter Hilfe &gt; Sprache und der Sprache des Systems
  --help                zeigt diesen Text an
  --version             zeigt die Version an

Der Programmordner (Tessaron2.ini, Data/, Verzameling/) ist ORDNER von --home,
sonst $TESSARON2_HOME, sonst der Ordner des Programms, wenn er einen Ordner
Verzameling enthält, sonst ~/Tessaron2, der beim ersten Start mit den
Wortlisten, der Hilfe und der Demosammlung gefüllt wird.
</translation>
    </message>
</context>
<context>
    <name>TradeListDialog</name>
    <message>
        <source>Catalogusnummer</source>
        <translation>Katalognummer</translation>
    </message>
    <message>
        <source>Aantal</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Dubbelen %1</source>
        <translation>Dubletten %1</translation>
    </message>
    <message>
        <source>Dubbel : %1 nummers, %2 te ruilen</source>
        <translation>Dubletten : %1 Nummern, %2 zum Tauschen</translation>
    </message>
    <message>
        <source>Tellen op</source>
        <translation>Zählen je</translation>
    </message>
    <message>
        <source>Cat.nr.</source>
        <translation>Kat.-Nr.</translation>
    </message>
</context>
<context>
    <name>VersionsForm</name>
    <message>
        <source>Vorige versies</source>
        <translation>Frühere Versionen</translation>
    </message>
    <message>
        <source>Kies een eerdere versie om deze als huidige verzameling te openen; het bestand verandert pas bij opslaan.</source>
        <translation>Wählen Sie eine frühere Version, um sie als aktuelle Sammlung zu öffnen; die Datei ändert sich erst beim Speichern.</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Tijd</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 (inhoud van &apos;%2&apos;)</source>
        <translation>%1 (Inhalt von &apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Versie kon niet worden gelezen!<byte value="xd"/>
%1</source>
        <translation>Version konnte nicht gelesen werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>WantListDialog</name>
    <message>
        <source>Reeks</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Ontbrekend</source>
        <translation>Fehlend</translation>
    </message>
    <message>
        <source>Aantal</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Mancolijst %1</source>
        <translation>Fehlliste %1</translation>
    </message>
    <message>
        <source>Reeksen, een per regel:</source>
        <translation>Bereiche, einer je Zeile:</translation>
    </message>
    <message>
        <source>Bijvoorbeeld &quot;MBund 1-20&quot;, &quot;LP1-LP15&quot; of één nummer: &quot;NVPH 123a&quot;.</source>
        <translation>Zum Beispiel &quot;MBund 1-20&quot;, &quot;LP1-LP15&quot; oder eine Nummer: &quot;NVPH 123a&quot;.</translation>
    </message>
    <message>
        <source>Mancolijst kon niet worden gelezen!<byte value="xd"/>
%1</source>
        <translation>Fehlliste konnte nicht gelesen werden!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>kan niet worden gelezen</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Totaal ontbrekend : %1</source>
        <translation>Fehlend insgesamt : %1</translation>
    </message>
    <message>
        <source>Mancolijst kon niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>Fehlliste konnte nicht gespeichert werden!<byte value="xd"/>
%1</translation>
    </message>
</context>
</TS>
