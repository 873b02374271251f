<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>AboutForm</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Over Tessaron2</source>
        <translation>About Tessaron2</translation>
    </message>
    <message>
        <source>Tessaron2 Zegelarchief %1</source>
        <translation>Tessaron2 Stamp Archive %1</translation>
    </message>
    <message>
        <source>Licentie : alle rechten voorbehouden door de ontwikkelaars van Tessaron2. De verspreider van dit pakket vermeldt de voorwaarden waaronder het wordt verspreid.</source>
        <translation>Licence: all rights reserved by the developers of Tessaron2. The distributor of this package states the terms under which it is distributed.</translation>
    </message>
    <message>
        <source>Programmamap</source>
        <translation>Program folder</translation>
    </message>
    <message>
        <source>Verzamelingen</source>
        <translation>Collections</translation>
    </message>
    <message>
        <source>Woordenlijsten</source>
        <translation>Word lists</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
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
        <translation>PRINT</translation>
    </message>
    <message>
        <source>Afdrukopdracht</source>
        <translation>Print job</translation>
    </message>
    <message>
        <source>Printerkeuze</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Aantal exemplaren</source>
        <translation>Number of copies</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Maximaal 999 exemplaren!</source>
        <translation>At most 999 copies!</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>CatalogueEntriesDialog</name>
    <message>
        <source>Catalogusnummers %1</source>
        <translation>Catalogue numbers %1</translation>
    </message>
    <message>
        <source>Zegel %1</source>
        <translation>Stamp %1</translation>
    </message>
    <message>
        <source>Zegel %1 - %2</source>
        <translation>Stamp %1 - %2</translation>
    </message>
    <message>
        <source>Systeem</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Waarde</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Editie</source>
        <translation>Edition</translation>
    </message>
    <message>
        <source>Catalogusnummers</source>
        <translation>Catalogue numbers</translation>
    </message>
    <message>
        <source>Toevoegen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Wijzigen</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Verwijderen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source> Nummer toevoegen; dezelfde editie van een systeem wordt vervangen </source>
        <translation> Add a number; the same edition of a system is replaced </translation>
    </message>
    <message>
        <source> Gekozen nummer wijzigen </source>
        <translation> Change the selected number </translation>
    </message>
    <message>
        <source> Gekozen nummer verwijderen </source>
        <translation> Remove the selected number </translation>
    </message>
    <message>
        <source>Een systeem kan een nummer hebben per editie van zijn catalogus. Toevoegen met een systeem en editie die er al zijn, vervangt dat nummer.</source>
        <translation>A system can have one number per edition of its catalogue. Adding with a system and edition that are already there replaces that number.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Verloop van de waarde</source>
        <translation>Value history</translation>
    </message>
    <message>
        <source>Verloop van de waarde in %1</source>
        <translation>Value history in %1</translation>
    </message>
    <message>
        <source>Vul een systeem en een nummer in.</source>
        <translation>Fill in a system and a number.</translation>
    </message>
    <message>
        <source>Het nummer in de velden is nog niet toegevoegd.<byte value="xd"/>
Wilt u het toevoegen?</source>
        <translation>The number in the fields has not been added yet.<byte value="xd"/>
Do you want to add it?</translation>
    </message>
    <message>
        <source>Lijst kon niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>List could not be saved!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>CatalogueValueChart</name>
    <message>
        <source>Een verloop toont zich bij waarden uit twee of meer edities van dit systeem.</source>
        <translation>A history is shown when there are values from two or more editions of this system.</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>schrijft het fotoalbum Slideshow.htm (--open: toont het)</source>
        <translation>writes the photo album Slideshow.htm (--open: shows it)</translation>
    </message>
    <message>
        <source>toont het album ook in de webbrowser</source>
        <translation>also shows the album in the web browser</translation>
    </message>
    <message>
        <source>album verwacht de naam van een verzameling</source>
        <translation>album expects the name of a collection</translation>
    </message>
    <message>
        <source>Album kon niet worden geschreven: %1</source>
        <translation>Album could not be written: %1</translation>
    </message>
    <message>
        <source>Album kon niet worden geopend: xdg-open ontbreekt</source>
        <translation>Album could not be opened: xdg-open is missing</translation>
    </message>
    <message>
        <source>zet BESTAND als afbeelding bij record POS (vanaf 1)</source>
        <translation>sets BESTAND as the picture of record POS (from 1)</translation>
    </message>
    <message>
        <source>de plaats van het record in de lijst (vanaf 1)</source>
        <translation>the position of the record in the list (from 1)</translation>
    </message>
    <message>
        <source>de afbeelding, in elk formaat dat het programma leest</source>
        <translation>the picture, in any format the program reads</translation>
    </message>
    <message>
        <source>vervangt een bestaande afbeelding</source>
        <translation>replaces an existing picture</translation>
    </message>
    <message>
        <source>attach verwacht een naam, een positie en een bestand</source>
        <translation>attach expects a name, a position and a file</translation>
    </message>
    <message>
        <source>record &apos;%1&apos; bestaat niet (1 tot en met %2)</source>
        <translation>record &apos;%1&apos; does not exist (1 to %2)</translation>
    </message>
    <message>
        <source>record %1 heeft al een afbeelding (%2); --replace vervangt haar</source>
        <translation>record %1 already has a picture (%2); --replace replaces it</translation>
    </message>
    <message>
        <source>Afbeelding niet toegevoegd: %1</source>
        <translation>Picture not added: %1</translation>
    </message>
    <message>
        <source>toont deze tekst</source>
        <translation>shows this text</translation>
    </message>
    <message>
        <source>gebruik: tessaron2-cli [--home MAP] %1</source>
        <translation>usage: tessaron2-cli [--home MAP] %1</translation>
    </message>
    <message>
        <source>Onbekend argument voor %1: &apos;%2&apos;</source>
        <translation>Unknown argument for %1: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 verwacht precies één naam</source>
        <translation>%1 expects exactly one name</translation>
    </message>
    <message>
        <source>de naam van de verzameling</source>
        <translation>the name of the collection</translation>
    </message>
    <message>
        <source>gebruik: tessaron2-cli [--home MAP] COMMANDO ARGUMENTEN...
Werkt zonder venster op de programmamap van Tessaron2.

</source>
        <translation>usage: tessaron2-cli [--home MAP] COMMAND ARGUMENTS...
Works on the program folder of Tessaron2 without a window.

</translation>
    </message>
    <message>
        <source>COMMANDO --help</source>
        <translation>COMMAND --help</translation>
    </message>
    <message>
        <source>toont de hulp bij dat commando</source>
        <translation>shows the help for that command</translation>
    </message>
    <message>
        <source>toont de versie</source>
        <translation>shows the version</translation>
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
The program folder is MAP of --home, else $TESSARON2_HOME, else the folder of the
program if it holds a folder Verzameling, else ~/Tessaron2, which is filled with the
demo collection at the first start. Exit status 0 on success, otherwise not 0
with one line on standard error.
An existing file or another existing collection is only overwritten with --force;
a file .col or .cat of the collection folder never by export or print.
</translation>
    </message>
    <message>
        <source>Geen commando gegeven</source>
        <translation>No command given</translation>
    </message>
    <message>
        <source>Onbekend commando &apos;%1&apos;</source>
        <translation>Unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Geen programmamap: %1 bevat geen map Verzameling of Data (start tessaron2 --home met die map om haar te vullen)</source>
        <translation>No program folder: %1 holds no folder Verzameling or Data (start tessaron2 --home with that folder to fill it)</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling: &apos;%1&apos;</source>
        <translation>Invalid name for a collection: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling: &apos;%1&apos;: %2</source>
        <translation>Invalid name for a collection: &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat reeds; --force overschrijft haar</source>
        <translation>Collection &apos;%1&apos; already exists; --force overwrites it</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat niet</source>
        <translation>Collection &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>Collection &apos;%1&apos; could not be read: %2</translation>
    </message>
    <message>
        <source>Uitvoer kon niet worden geschreven</source>
        <translation>Output could not be written</translation>
    </message>
    <message>
        <source>--as verwacht een naam</source>
        <translation>--as expects a name</translation>
    </message>
    <message>
        <source>telt alleen de records van die categorie</source>
        <translation>counts only the records of that category</translation>
    </message>
    <message>
        <source>--category verwacht één tekst</source>
        <translation>--category expects one text</translation>
    </message>
    <message>
        <source>ruillijst: de nummers die er meer dan eens zijn, met aantal</source>
        <translation>trade list: the numbers held more than once, with their count</translation>
    </message>
    <message>
        <source>het CSV-bestand dat wordt geschreven</source>
        <translation>the CSV file that is written</translation>
    </message>
    <message>
        <source>overschrijft een bestaand BESTAND</source>
        <translation>overwrites an existing file BESTAND</translation>
    </message>
    <message>
        <source>export-csv verwacht een naam en een bestand</source>
        <translation>export-csv expects a name and a file</translation>
    </message>
    <message>
        <source>CSV-bestand &apos;%1&apos; kon niet worden geschreven: %2</source>
        <translation>CSV file &apos;%1&apos; could not be written: %2</translation>
    </message>
    <message>
        <source>reeksen (&quot;1-20&quot;, &quot;LP1-LP15&quot;) of catalogusnummers</source>
        <translation>ranges (&quot;1-20&quot;, &quot;LP1-LP15&quot;) or catalogue numbers</translation>
    </message>
    <message>
        <source>gaps verwacht een naam en ten minste één reeks</source>
        <translation>gaps expects a name and at least one range</translation>
    </message>
    <message>
        <source>Reeks &apos;%1&apos; kan niet worden gelezen</source>
        <translation>Range &apos;%1&apos; cannot be read</translation>
    </message>
    <message>
        <source>zet oude data NAAM.cat om in verzameling NIEUW</source>
        <translation>converts old data NAAM.cat into collection NIEUW</translation>
    </message>
    <message>
        <source>de oude data NAAM.cat in de verzamelmap</source>
        <translation>the old data NAAM.cat in the collection folder</translation>
    </message>
    <message>
        <source>de naam van de nieuwe verzameling (anders NAAM)</source>
        <translation>the name of the new collection (otherwise NAAM)</translation>
    </message>
    <message>
        <source>vervangt een bestaande verzameling NIEUW</source>
        <translation>replaces an existing collection NIEUW</translation>
    </message>
    <message>
        <source>import verwacht de naam van oude data</source>
        <translation>import expects the name of old data</translation>
    </message>
    <message>
        <source>Oude data &apos;%1&apos; bestaat niet</source>
        <translation>Old data &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>Oude data &apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>Old data &apos;%1&apos; could not be read: %2</translation>
    </message>
    <message>
        <source>Oude data &apos;%1&apos; bevat geen records</source>
        <translation>Old data &apos;%1&apos; holds no records</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kon niet worden opgeslagen: %2</source>
        <translation>Collection &apos;%1&apos; could not be saved: %2</translation>
    </message>
    <message>
        <source>het CSV-bestand</source>
        <translation>the CSV file</translation>
    </message>
    <message>
        <source>vervangt een bestaande verzameling NAAM</source>
        <translation>replaces an existing collection NAAM</translation>
    </message>
    <message>
        <source>import-csv verwacht een bestand en een naam</source>
        <translation>import-csv expects a file and a name</translation>
    </message>
    <message>
        <source>CSV-bestand &apos;%1&apos; bestaat niet</source>
        <translation>CSV file &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>CSV-bestand &apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>CSV file &apos;%1&apos; could not be read: %2</translation>
    </message>
    <message>
        <source>CSV-bestand &apos;%1&apos; bevat geen records</source>
        <translation>CSV file &apos;%1&apos; holds no records</translation>
    </message>
    <message>
        <source>Let op: tekens die een verzameling niet kan bewaren, vervangen door &apos;?&apos;: %1</source>
        <translation>Note: characters a collection cannot hold replaced by &apos;?&apos;: %1</translation>
    </message>
    <message>
        <source>schrijft verzameling NAAM (--per-country: een per land)
met de afbeeldingen uit een Tellico-bestand (.tc of .xml);
--dry-run toont het verslag en schrijft niets</source>
        <translation>writes collection NAAM (--per-country: one per country)
with the pictures from a Tellico file (.tc or .xml);
--dry-run shows the report and writes nothing</translation>
    </message>
    <message>
        <source>het Tellico-bestand (.tc of .xml)</source>
        <translation>the Tellico file (.tc or .xml)</translation>
    </message>
    <message>
        <source>een verzameling per land; zonder land in NAAM</source>
        <translation>one collection per country; without country in NAAM</translation>
    </message>
    <message>
        <source>vervangt bestaande verzamelingen</source>
        <translation>replaces existing collections</translation>
    </message>
    <message>
        <source>toont het verslag en schrijft niets</source>
        <translation>shows the report and writes nothing</translation>
    </message>
    <message>
        <source>import-tellico verwacht een bestand en een naam</source>
        <translation>import-tellico expects a file and a name</translation>
    </message>
    <message>
        <source>Tellico-bestand &apos;%1&apos; bestaat niet</source>
        <translation>Tellico file &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>Tellico-bestand &apos;%1&apos; kan niet worden geïmporteerd: %2</source>
        <translation>Tellico file &apos;%1&apos; cannot be imported: %2</translation>
    </message>
    <message>
        <source>Let op: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>namen van de verzamelingen (--old: van de oude data)</source>
        <translation>names of the collections (--old: of the old data)</translation>
    </message>
    <message>
        <source>de namen van de oude data (NAAM.cat)</source>
        <translation>the names of the old data (NAAM.cat)</translation>
    </message>
    <message>
        <source>Verzamelmap &apos;%1&apos; bestaat niet</source>
        <translation>Collection folder &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>de opdracht: 1 lijst, 2 prijslijst, 3 recordblad,
4 sluitzegelvel, 5 jaartallen</source>
        <translation>the job: 1 list, 2 price list, 3 record sheet,
4 seal sheet, 5 years</translation>
    </message>
    <message>
        <source>het PDF-bestand dat wordt geschreven</source>
        <translation>the PDF file that is written</translation>
    </message>
    <message>
        <source>het aantal exemplaren (ten hoogste 999)</source>
        <translation>the number of copies (at most 999)</translation>
    </message>
    <message>
        <source>kiest record POS (vanaf 1) voor het recordblad</source>
        <translation>selects record POS (from 1) for the record sheet</translation>
    </message>
    <message>
        <source>de foto op het sluitzegelvel</source>
        <translation>the photo on the seal sheet</translation>
    </message>
    <message>
        <source>overschrijft een bestaand PDF-bestand</source>
        <translation>overwrites an existing PDF file</translation>
    </message>
    <message>
        <source>drukt opdracht N (1 tot 5) af in een PDF-bestand</source>
        <translation>prints job N (1 to 5) into a PDF file</translation>
    </message>
    <message>
        <source>schrijft die versie als verzameling NIEUW (of NAAM)</source>
        <translation>writes that version as collection NIEUW (or NAAM)</translation>
    </message>
    <message>
        <source>een versie zoals versions haar noemt</source>
        <translation>a version as versions names it</translation>
    </message>
    <message>
        <source>de naam van de verzameling die wordt geschreven (anders NAAM)</source>
        <translation>the name of the collection that is written (otherwise NAAM)</translation>
    </message>
    <message>
        <source>vervangt een andere bestaande verzameling NIEUW</source>
        <translation>replaces another existing collection NIEUW</translation>
    </message>
    <message>
        <source>restore verwacht een naam en een versie</source>
        <translation>restore expects a name and a version</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; heeft geen versie &apos;%2&apos; (zie versions)</source>
        <translation>Collection &apos;%1&apos; has no version &apos;%2&apos; (see versions)</translation>
    </message>
    <message>
        <source>Versie &apos;%1&apos; bevat verzameling &apos;%2&apos;, niet &apos;%3&apos;</source>
        <translation>Version &apos;%1&apos; holds collection &apos;%2&apos;, not &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Versie &apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>Version &apos;%1&apos; could not be read: %2</translation>
    </message>
    <message>
        <source>Versie &apos;%1&apos; bevat geen records</source>
        <translation>Version &apos;%1&apos; holds no records</translation>
    </message>
    <message>
        <source>de records, een per regel, velden gescheiden door TAB</source>
        <translation>the records, one a line, fields separated by TAB</translation>
    </message>
    <message>
        <source>de catalogusprijs en de eigen prijs opgeteld</source>
        <translation>the catalogue value and your own price added up</translation>
    </message>
    <message>
        <source>de bewaarde vorige versies van verzameling NAAM</source>
        <translation>the kept previous versions of collection NAAM</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; heeft geen vorige versies</source>
        <translation>Collection &apos;%1&apos; has no previous versions</translation>
    </message>
    <message>
        <source>--set verwacht een systeem en een nummer (&quot;Mi 535&quot;), niet &apos;%1&apos;</source>
        <translation>--set expects a system and a number (&quot;Mi 535&quot;), not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kan niet worden bewaard (geen TAB, regeleinde of teken buiten Windows-1252)</source>
        <translation>&apos;%1&apos; cannot be stored (no TAB, line break or character outside Windows-1252)</translation>
    </message>
    <message>
        <source>de nummers van record POS in andere catalogi, een regel
per nummer: systeem TAB nummer TAB waarde TAB uitgave;
met --set of --remove gezet of verwijderd</source>
        <translation>the numbers of record POS in other catalogues, one line
per number: system TAB number TAB value TAB edition;
set or removed with --set or --remove</translation>
    </message>
    <message>
        <source>zet nummer NR in systeem SYS (&quot;Mi 535&quot;); een regel
van hetzelfde systeem en dezelfde uitgave wordt
vervangen</source>
        <translation>sets number NR in system SYS (&quot;Mi 535&quot;); a line
of the same system and the same edition is
replaced</translation>
    </message>
    <message>
        <source>--set verwacht één systeem met nummer</source>
        <translation>--set expects one system with a number</translation>
    </message>
    <message>
        <source>de waarde in die catalogus, zoals getypt (met --set)</source>
        <translation>the value in that catalogue, as typed (with --set)</translation>
    </message>
    <message>
        <source>--value verwacht één waarde</source>
        <translation>--value expects one value</translation>
    </message>
    <message>
        <source>het jaar van de uitgave van die catalogus (met --set)</source>
        <translation>the year of the edition of that catalogue (with --set)</translation>
    </message>
    <message>
        <source>--edition verwacht één jaar</source>
        <translation>--edition expects one year</translation>
    </message>
    <message>
        <source>verwijdert alle regels van systeem SYS</source>
        <translation>removes all lines of system SYS</translation>
    </message>
    <message>
        <source>--remove verwacht één systeem</source>
        <translation>--remove expects one system</translation>
    </message>
    <message>
        <source>catalogue verwacht een naam en een positie</source>
        <translation>catalogue expects a name and a position</translation>
    </message>
    <message>
        <source>--set en --remove gaan niet samen</source>
        <translation>--set and --remove cannot be used together</translation>
    </message>
    <message>
        <source>--value en --edition horen bij --set</source>
        <translation>--value and --edition belong with --set</translation>
    </message>
    <message>
        <source>record %1 heeft geen nummer van systeem &apos;%2&apos;</source>
        <translation>record %1 has no number of system &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Catalogusnummers van &apos;%1&apos; konden niet worden opgeslagen: %2</source>
        <translation>Catalogue numbers of &apos;%1&apos; could not be saved: %2</translation>
    </message>
    <message>
        <source>Catalogusnummers van &apos;%1&apos; konden niet worden gelezen: %2</source>
        <translation>Catalogue numbers of &apos;%1&apos; could not be read: %2</translation>
    </message>
    <message>
        <source>telt per nummer in catalogus SYS (&quot;Mi&quot;) in plaats
van per Cat.nr.</source>
        <translation>counts per number in catalogue SYS (&quot;Mi&quot;) instead
of per Cat.no.</translation>
    </message>
    <message>
        <source>--system verwacht één systeem</source>
        <translation>--system expects one system</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; heeft geen nummers van systeem &apos;%2&apos;</source>
        <translation>Collection &apos;%1&apos; has no numbers of system &apos;%2&apos;</translation>
    </message>
    <message>
        <source>schrijft verzameling NAAM als CSV-bestand, met een kolom per
catalogussysteem van de nummers in andere catalogi</source>
        <translation>writes collection NAAM as a CSV file, with a column per
catalogue system of the numbers in other catalogues</translation>
    </message>
    <message>
        <source>de records die TEKST bevatten (hoofdletters tellen
niet mee) of een nummer in een andere catalogus
(&quot;mi535&quot;): een regel per record, de positie TAB het
record zoals show het toont</source>
        <translation>the records that contain TEKST (capitals do not
count) or a number in another catalogue
(&quot;mi535&quot;): one line per record, the position TAB the
record as show shows it</translation>
    </message>
    <message>
        <source>de tekst die wordt gezocht</source>
        <translation>the text that is searched for</translation>
    </message>
    <message>
        <source>find verwacht een naam en een tekst</source>
        <translation>find expects a name and a text</translation>
    </message>
    <message>
        <source>mancolijst: per reeks (&quot;MBund 1-20&quot;, &quot;LP1-LP15&quot;,
&quot;NVPH 123a&quot;) de ontbrekende nummers en hun aantal;
een reeks van een ander catalogussysteem (&quot;Mi 570-592&quot;)
telt de nummers in dat systeem als geen eigen Cat.nr.
dat voorvoegsel heeft</source>
        <translation>want list: per range (&quot;MBund 1-20&quot;, &quot;LP1-LP15&quot;,
&quot;NVPH 123a&quot;) the missing numbers and their count;
a range of another catalogue system (&quot;Mi 570-592&quot;)
counts the numbers in that system when no Cat.no. of its own
has that prefix</translation>
    </message>
    <message>
        <source>schrijft verzameling NAAM (--per-country: een per land)
uit een lijst die uit Colnect is geëxporteerd (CSV);
--update werkt bestaande verzamelingen bij,
--dry-run toont het verslag en schrijft niets</source>
        <translation>writes collection NAAM (--per-country: one per country)
from a list exported from Colnect (CSV);
--update updates existing collections,
--dry-run shows the report and writes nothing</translation>
    </message>
    <message>
        <source>de lijst uit Colnect (.csv)</source>
        <translation>the list from Colnect (.csv)</translation>
    </message>
    <message>
        <source>de catalogus van Cat.nr.: Mi (standaard), Sn, Yt, Sg, ...</source>
        <translation>the catalogue of the Cat.no.: Mi (default), Sn, Yt, Sg, ...</translation>
    </message>
    <message>
        <source>--catalogue verwacht een catalogus, zoals Mi of Yt</source>
        <translation>--catalogue expects a catalogue, such as Mi or Yt</translation>
    </message>
    <message>
        <source>werkt bestaande verzamelingen bij op hun Colnect-nummers</source>
        <translation>updates existing collections by their Colnect numbers</translation>
    </message>
    <message>
        <source>import-colnect verwacht een bestand en een naam</source>
        <translation>import-colnect expects a file and a name</translation>
    </message>
    <message>
        <source>Colnect-bestand &apos;%1&apos; bestaat niet</source>
        <translation>Colnect file &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>Colnect-bestand &apos;%1&apos; kan niet worden geïmporteerd: %2</source>
        <translation>Colnect file &apos;%1&apos; cannot be imported: %2</translation>
    </message>
    <message>
        <source>schrijft verzameling NAAM uit een CSV-bestand; kolommen met de naam
van een catalogussysteem (&quot;Mi&quot;) worden nummers in andere catalogi</source>
        <translation>writes collection NAAM from a CSV file; columns with the name
of a catalogue system (&quot;Mi&quot;) become numbers in other catalogues</translation>
    </message>
    <message>
        <source>spreekt Nederlands, Engels of Duits (meldingen, hulp
en afdrukken), boven de gekozen taal en het systeem</source>
        <translation>speaks Dutch, English or German (messages, help and
printing), overriding the kept choice and the locale</translation>
    </message>
</context>
<context>
    <name>CollectionStatistics</name>
    <message>
        <source>(leeg)</source>
        <translation>(empty)</translation>
    </message>
</context>
<context>
    <name>ColnectImportForm</name>
    <message>
        <source>Importeren uit Colnect</source>
        <translation>Import from Colnect</translation>
    </message>
    <message>
        <source>Lijsten</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Cat.nr. uit</source>
        <translation>Cat.no. from</translation>
    </message>
    <message>
        <source>Nieuw (bestaande vervangen)</source>
        <translation>New (replace existing)</translation>
    </message>
    <message>
        <source>Bestaande bijwerken</source>
        <translation>Update existing</translation>
    </message>
    <message>
        <source>Colnect-bestand kon niet worden gelezen!<byte value="xd"/>
%1</source>
        <translation>Colnect file could not be read!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>en nog %1</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Postzegels : %1    Catalogi : %2</source>
        <translation>Stamps : %1    Catalogues : %2</translation>
    </message>
    <message>
        <source>geen</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Wordt bijgewerkt of geschreven : %1</source>
        <translation>Will be updated or written : %1</translation>
    </message>
    <message>
        <source>Wordt geschreven : %1</source>
        <translation>Will be written : %1</translation>
    </message>
    <message>
        <source>Colnect-bestand kon niet worden geïmporteerd!<byte value="xd"/>
%1</source>
        <translation>Colnect file could not be imported!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>bijwerken uit Colnect</source>
        <translation>update from Colnect</translation>
    </message>
    <message>
        <source>%1 records in %2 verzameling(en): %3 gewijzigd, %4 ongewijzigd, %5 nieuw.</source>
        <translation>%1 records in %2 collection(s): %3 changed, %4 unchanged, %5 new.</translation>
    </message>
    <message>
        <source>%1 records geïmporteerd in %2 verzameling(en).</source>
        <translation>%1 records imported into %2 collection(s).</translation>
    </message>
</context>
<context>
    <name>ColumnClickHandler</name>
    <message>
        <source>Gesorteerd op : Jaartal</source>
        <translation>Sorted by : Year</translation>
    </message>
    <message>
        <source>Gesorteerd op : Catalogus nummer</source>
        <translation>Sorted by : Catalogue number</translation>
    </message>
    <message>
        <source>Gesorteerd op : Categorie</source>
        <translation>Sorted by : Category</translation>
    </message>
    <message>
        <source>Gesorteerd op : Onderwerp</source>
        <translation>Sorted by : Subject</translation>
    </message>
    <message>
        <source>Gesorteerd op : Soort zegel</source>
        <translation>Sorted by : Stamp kind</translation>
    </message>
    <message>
        <source>Gesorteerd op : Type zegel</source>
        <translation>Sorted by : Stamp type</translation>
    </message>
    <message>
        <source>Gesorteerd op :</source>
        <translation>Sorted by :</translation>
    </message>
</context>
<context>
    <name>ColumnSort</name>
    <message>
        <source>Fout in sorteer routine!<byte value="xd"/>
%1	%2</source>
        <translation>Error in sort routine!<byte value="xd"/>
%1	%2</translation>
    </message>
    <message>
        <source>Onvoldoende geheugen</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Onbekende fout</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>ConfirmReplaceCollection</name>
    <message>
        <source>Wijzigingen zijn nog niet opgeslagen...<byte value="xd"/>
wilt u de huidige verzameling toch sluiten?</source>
        <translation>Changes have not been saved yet...<byte value="xd"/>
close the current collection anyway?</translation>
    </message>
</context>
<context>
    <name>CsvImportForm</name>
    <message>
        <source>tabs</source>
        <translation>tabs</translation>
    </message>
    <message>
        <source>komma&apos;s</source>
        <translation>commas</translation>
    </message>
    <message>
        <source>puntkomma&apos;s</source>
        <translation>semicolons</translation>
    </message>
    <message>
        <source>Importeren uit CSV</source>
        <translation>Import from CSV</translation>
    </message>
    <message>
        <source>Bestand : %1</source>
        <translation>File : %1</translation>
    </message>
    <message>
        <source>%1 regels, gescheiden door %2</source>
        <translation>%1 lines, separated by %2</translation>
    </message>
    <message>
        <source>Eerste regel bevat kolomnamen</source>
        <translation>First line holds column names</translation>
    </message>
    <message>
        <source>Toevoegen aan de lijst</source>
        <translation>Add to the list</translation>
    </message>
    <message>
        <source>Lijst vervangen</source>
        <translation>Replace list</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Voorbeeld</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Kolom %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>(leeg)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Te importeren records : %1</source>
        <translation>Records to import : %1</translation>
    </message>
    <message>
        <source>Let op: 1 teken kan niet in een verzameling worden bewaard en wordt vervangen door &apos;?&apos;.</source>
        <translation>Note: 1 character cannot be kept in a collection and is replaced by &apos;?&apos;.</translation>
    </message>
    <message>
        <source>Let op: %1 tekens kunnen niet in een verzameling worden bewaard en worden vervangen door &apos;?&apos;.</source>
        <translation>Note: %1 characters cannot be kept in a collection and are replaced by &apos;?&apos;.</translation>
    </message>
</context>
<context>
    <name>CsvMenuCommands</name>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Exporteren naar CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV-bestand kon niet worden geschreven!</source>
        <translation>CSV file could not be written!</translation>
    </message>
    <message>
        <source>Importeren uit CSV</source>
        <translation>Import from CSV</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>CSV-bestand kon niet worden gelezen!</source>
        <translation>CSV file could not be read!</translation>
    </message>
</context>
<context>
    <name>CurrentPrinter</name>
    <message>
        <source>PDF-bestand</source>
        <translation>PDF file</translation>
    </message>
</context>
<context>
    <name>DetailPanel</name>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Jaar van uitgifte</source>
        <translation>Year of issue</translation>
    </message>
    <message>
        <source>Cat.nummer</source>
        <translation>Cat.number</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Soort zegel</source>
        <translation>Stamp kind</translation>
    </message>
    <message>
        <source>Type zegel</source>
        <translation>Stamp type</translation>
    </message>
    <message>
        <source>Waarde opdruk</source>
        <translation>Face value</translation>
    </message>
    <message>
        <source>Afbeelding</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Informatie</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Conditie</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Cat.Prijs</source>
        <translation>Cat.Value</translation>
    </message>
    <message>
        <source>Mijn Prijs</source>
        <translation>My Price</translation>
    </message>
    <message>
        <source>Dubbelklik om de catalogusnummers te bewerken</source>
        <translation>Double-click to edit the catalogue numbers</translation>
    </message>
    <message>
        <source>Catalogusnummers: geen</source>
        <translation>Catalogue numbers: none</translation>
    </message>
    <message>
        <source>Catalogusnummers: %1</source>
        <translation>Catalogue numbers: %1</translation>
    </message>
</context>
<context>
    <name>EditData</name>
    <message>
        <source>%1 woorden</source>
        <translation>%1 words</translation>
    </message>
    <message>
        <source>%1 woorden.</source>
        <translation>%1 words.</translation>
    </message>
    <message>
        <source>Data Bewerken</source>
        <translation>Edit Data</translation>
    </message>
    <message>
        <source>Woordenlijst</source>
        <translation>Word list</translation>
    </message>
    <message>
        <source>Woorden</source>
        <translation>Words</translation>
    </message>
    <message>
        <source>Nieuw woord</source>
        <translation>New word</translation>
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
        <source>Verwijder Item</source>
        <translation>Delete Item</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Eerst een tekst selecteren!</source>
        <translation>Select a text first!</translation>
    </message>
    <message>
        <source>Lijst kon niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>List could not be saved!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Zoeken</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Volgende</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Vorige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source> Zoekbalk sluiten (Esc) </source>
        <translation> Close find bar (Esc) </translation>
    </message>
    <message>
        <source>Niet gevonden</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Alleen dit record</source>
        <translation>Only this record</translation>
    </message>
    <message>
        <source>Verder vanaf het begin</source>
        <translation>Continued from the top</translation>
    </message>
    <message>
        <source>Verder vanaf het einde</source>
        <translation>Continued from the bottom</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>Ongedaan maken</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Opnieuw</source>
        <translation>Redo</translation>
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
        <translation>File : %1</translation>
    </message>
    <message>
        <source>Bestand wordt gelezen...</source>
        <translation>Reading file...</translation>
    </message>
    <message>
        <source>Landen</source>
        <translation>Countries</translation>
    </message>
    <message>
        <source>Eén verzameling per land</source>
        <translation>One collection per country</translation>
    </message>
    <message>
        <source>Naam verzameling</source>
        <translation>Collection name</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>(geen land)</source>
        <translation>(no country)</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat reeds!<byte value="xd"/>
Wilt u deze overschrijven?</source>
        <translation>Collection &apos;%1&apos; already exists!<byte value="xd"/>
Do you want to overwrite it?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Let op:<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Note:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
... en nog %1.</source>
        <translation><byte value="xd"/>
... and %1 more.</translation>
    </message>
    <message>
        <source>Verzameling kon niet worden geopend!<byte value="xd"/>
%1</source>
        <translation>Collection could not be opened!<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>ImportMenuCommands</name>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Importeren uit Tellico</source>
        <translation>Import from Tellico</translation>
    </message>
    <message>
        <source>Tellico-bestanden (*.tc *.xml)</source>
        <translation>Tellico files (*.tc *.xml)</translation>
    </message>
    <message>
        <source>Importeren uit Colnect</source>
        <translation>Import from Colnect</translation>
    </message>
    <message>
        <source>Colnect-bestanden (*.csv)</source>
        <translation>Colnect files (*.csv)</translation>
    </message>
</context>
<context>
    <name>ImportText</name>
    <message>
        <source>Dit record heeft al een afbeelding: %1</source>
        <translation>This record already has a picture: %1</translation>
    </message>
    <message>
        <source>de afbeelding &apos;%1&apos; verwijst naar een plaats buiten het bestand</source>
        <translation>the picture &apos;%1&apos; points to a place outside the file</translation>
    </message>
    <message>
        <source>het bestand kan niet worden gelezen</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>het zip-archief bevat geen tellico.xml</source>
        <translation>the zip archive holds no tellico.xml</translation>
    </message>
    <message>
        <source>dit is geen zip- of XML-bestand</source>
        <translation>this is not a zip or XML file</translation>
    </message>
    <message>
        <source>het bestand kan niet worden gelezen: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>het zip-archief is beschadigd (%1)</source>
        <translation>the zip archive is damaged (%1)</translation>
    </message>
    <message>
        <source>fout in de XML op regel %1: %2</source>
        <translation>error in the XML on line %1: %2</translation>
    </message>
    <message>
        <source>het bestand bevat geen XML</source>
        <translation>the file holds no XML</translation>
    </message>
    <message>
        <source>dit is geen Tellico-bestand (het begint met &lt;%1&gt;)</source>
        <translation>this is not a Tellico file (it begins with &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen postzegelverzameling maar een verzameling van het soort %2; alleen postzegelverzamelingen (soort 9) kunnen worden geïmporteerd</source>
        <translation>&apos;%1&apos; is not a stamp collection but a collection of type %2; only stamp collections (type 9) can be imported</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>het bestand bevat geen verzameling</source>
        <translation>the file holds no collection</translation>
    </message>
    <message>
        <source>afbeelding &apos;%1&apos; ontbreekt</source>
        <translation>picture &apos;%1&apos; is missing</translation>
    </message>
    <message>
        <source>afbeelding &apos;%1&apos; is groter dan %2 MB</source>
        <translation>picture &apos;%1&apos; is larger than %2 MB</translation>
    </message>
    <message>
        <source>het lezen is afgebroken</source>
        <translation>reading was cancelled</translation>
    </message>
    <message>
        <source>de verzameling bevat geen postzegels</source>
        <translation>the collection holds no stamps</translation>
    </message>
    <message>
        <source>totaal</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Het land &apos;%1&apos; kan geen naam van een verzameling zijn; de %2 records ervan gaan naar &apos;%3&apos;.</source>
        <translation>The country &apos;%1&apos; cannot be the name of a collection; its %2 records go to &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>%1 tekens die een verzameling niet kan bewaren zijn vervangen door de letter die er het meest op lijkt of door &apos;?&apos;.</source>
        <translation>%1 characters that a collection cannot hold were replaced by the letter most like them or by &apos;?&apos;.</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling: &apos;%1&apos;</source>
        <translation>Invalid name for a collection: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kon niet worden opgeslagen: %2</source>
        <translation>Collection &apos;%1&apos; could not be saved: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>geen catalogusnummer, dus geen plaats voor de afbeelding</source>
        <translation>no catalogue number, so no place for the picture</translation>
    </message>
    <message>
        <source>Afbeeldingen in het bestand konden niet worden gelezen: %1</source>
        <translation>Pictures in the file could not be read: %1</translation>
    </message>
    <message>
        <source>het zip-archief is onvolledig of beschadigd (%1)</source>
        <translation>the zip archive is incomplete or damaged (%1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is groter dan %2 MB</source>
        <translation>&apos;%1&apos; is larger than %2 MB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is beschadigd (%2)</source>
        <translation>&apos;%1&apos; is damaged (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ontbreekt in het archief</source>
        <translation>&apos;%1&apos; is missing from the archive</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kan niet worden gelezen (%2)</source>
        <translation>&apos;%1&apos; cannot be read (%2)</translation>
    </message>
    <message>
        <source>geen lijst uit Colnect: de kopregel met Name, Country, Catalog Codes en Link ontbreekt</source>
        <translation>not a list from Colnect: the header line with Name, Country, Catalog Codes and Link is missing</translation>
    </message>
    <message>
        <source>het bestand is geen tekst</source>
        <translation>the file is not text</translation>
    </message>
    <message>
        <source>regel %1 is geen UTF-8-tekst</source>
        <translation>line %1 is not UTF-8 text</translation>
    </message>
    <message>
        <source>geen lijst uit Colnect: de kolommen %1 ontbreken</source>
        <translation>not a list from Colnect: the columns %1 are missing</translation>
    </message>
    <message>
        <source>regel %1 heeft %2 velden in plaats van %3</source>
        <translation>line %1 has %2 fields instead of %3</translation>
    </message>
    <message>
        <source>het bestand houdt op midden in een veld (vanaf regel %1)</source>
        <translation>the file ends in the middle of a field (from line %1)</translation>
    </message>
    <message>
        <source>het bestand is niet compleet: de regel &quot;END of Colnect list&quot; ontbreekt</source>
        <translation>the file is not complete: the line &quot;END of Colnect list&quot; is missing</translation>
    </message>
    <message>
        <source>de lijst bevat geen postzegels</source>
        <translation>the list holds no stamps</translation>
    </message>
    <message>
        <source>%1 postzegels hebben geen nummer van %2; hun Cat.nr. is het nummer van hun eerste code.</source>
        <translation>%1 stamps have no number of %2; their Cat.no. is the number of their first code.</translation>
    </message>
    <message>
        <source>%1 postzegels hebben geen enkele catalogus-code.</source>
        <translation>%1 stamps have no catalogue code at all.</translation>
    </message>
    <message>
        <source>%1 postzegels staan alleen in weggelaten lijsten en worden niet geïmporteerd.</source>
        <translation>%1 stamps are only in omitted lists and are not imported.</translation>
    </message>
    <message>
        <source>%1: %2 records zonder Colnect-nummer en %3 records die het bestand niet (meer) noemt zijn ongemoeid gelaten.</source>
        <translation>%1: %2 records without a Colnect number and %3 records that the file does not name (any more) were left untouched.</translation>
    </message>
    <message>
        <source>%1: %2 postzegels zonder Colnect-nummer zijn niet toegevoegd, want ze zijn niet terug te vinden.</source>
        <translation>%1: %2 stamps without a Colnect number were not added, because they cannot be found again.</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kan niet worden gelezen: %2</source>
        <translation>Collection &apos;%1&apos; cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Taal</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Taal kon niet worden bewaard!<byte value="xd"/>
%1</source>
        <translation>Language could not be kept!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ListToolDialog</name>
    <message>
        <source>Exporteren naar CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>(alle)</source>
        <translation>(all)</translation>
    </message>
    <message>
        <source>Kopiëren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Exporteren naar CSV...</source>
        <translation>Export to CSV...</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CSV-bestand kon niet worden geschreven!<byte value="xd"/>
%1</source>
        <translation>CSV file could not be written!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
        <translation>Collecting area : %1</translation>
    </message>
    <message>
        <source>Aantal Records : %1</source>
        <translation>Number of Records : %1</translation>
    </message>
    <message>
        <source>Aantal Gegevens : %1</source>
        <translation>Number of Entries : %1</translation>
    </message>
    <message>
        <source>Totaalprijs</source>
        <translation>Total price</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source> Record Toevoegen </source>
        <translation> Add Record </translation>
    </message>
    <message>
        <source>Wijzig</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source> Record Wijzigen </source>
        <translation> Edit Record </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source> Record Verwijderen </source>
        <translation> Delete Record </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Afbeelding</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Gesorteerd op :</source>
        <translation>Sorted by :</translation>
    </message>
    <message>
        <source>Totaalprijs Berekenen</source>
        <translation>Calculate Total Price</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source> Totaalprijs Berekenen </source>
        <translation> Calculate Total Price </translation>
    </message>
    <message>
        <source>Wijzigingen zijn nog niet opgeslagen...<byte value="xd"/>
wilt u het programma toch afsluiten?</source>
        <translation>Changes have not been saved yet...<byte value="xd"/>
exit the program anyway?</translation>
    </message>
    <message>
        <source> Sluiten</source>
        <translation> Close</translation>
    </message>
    <message>
        <source>Instellingen konden niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>Settings could not be saved!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Catalogusnummers van &apos;%1&apos; waren beschadigd: %2 regel(s) konden niet worden gelezen.<byte value="xd"/>
Het oorspronkelijke bestand is bewaard als %3.</source>
        <translation>Catalogue numbers of &apos;%1&apos; were damaged: %2 line(s) could not be read.<byte value="xd"/>
The original file has been kept as %3.</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Openen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Importeren Oude Data</source>
        <translation>Import Old Data</translation>
    </message>
    <message>
        <source>Exporteren naar CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>Importeren uit CSV</source>
        <translation>Import from CSV</translation>
    </message>
    <message>
        <source>Importeren uit Tellico...</source>
        <translation>Import from Tellico...</translation>
    </message>
    <message>
        <source>Vorige versies...</source>
        <translation>Previous versions...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Webpage Ontwerpen</source>
        <translation>Design Webpage</translation>
    </message>
    <message>
        <source>Data Bewerken</source>
        <translation>Edit Data</translation>
    </message>
    <message>
        <source>Afbeeldingen controleren</source>
        <translation>Check pictures</translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Statistiek</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Afbeelding toevoegen...</source>
        <translation>Add picture...</translation>
    </message>
    <message>
        <source>Afbeelding plakken</source>
        <translation>Paste picture</translation>
    </message>
    <message>
        <source>Afbeeldingen importeren...</source>
        <translation>Import pictures...</translation>
    </message>
    <message>
        <source>Mancolijst...</source>
        <translation>Want list...</translation>
    </message>
    <message>
        <source>Dubbelen...</source>
        <translation>Duplicates...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Meer Software</source>
        <translation>More Software</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Over Tessaron2...</source>
        <translation>About Tessaron2...</translation>
    </message>
    <message>
        <source>Geen gegevens in de lijst!</source>
        <translation>No data in the list!</translation>
    </message>
    <message>
        <source>Er is geen programma ingesteld om PDF-bestanden te openen.<byte value="xd"/>
De help staat in: %1</source>
        <translation>No program is set up to open PDF files.<byte value="xd"/>
The help is in: %1</translation>
    </message>
    <message>
        <source>Catalogusnummers...</source>
        <translation>Catalogue numbers...</translation>
    </message>
    <message>
        <source>Kies eerst een record in de lijst.</source>
        <translation>First select a record in the list.</translation>
    </message>
    <message>
        <source>Catalogusnummers</source>
        <translation>Catalogue numbers</translation>
    </message>
    <message>
        <source>Importeren uit Colnect...</source>
        <translation>Import from Colnect...</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>NieuwForm</name>
    <message>
        <source>Nieuwe Verzameling</source>
        <translation>New Collection</translation>
    </message>
    <message>
        <source>Landen / Motief</source>
        <translation>Countries / Topic</translation>
    </message>
    <message>
        <source>Maak een keuze uit het rolmenu voor het aanmaken van één van de %1 landen of motief verzamelingen, of typ zelf een gekozen naam in.</source>
        <translation>Choose from the drop-down list to create one of the %1 country or topical collections, or type a name of your own.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat reeds!</source>
        <translation>Collection &apos;%1&apos; already exists!</translation>
    </message>
</context>
<context>
    <name>OfferDemoData</name>
    <message>
        <source>De programmamap %1 bevat geen map Verzameling of Data, en de meegeleverde gegevens om haar te vullen zijn niet gevonden.</source>
        <translation>The program folder %1 holds no folder Verzameling or Data, and the shipped data to fill it were not found.</translation>
    </message>
    <message>
        <source>De programmamap %1 bevat geen map Verzameling of Data.<byte value="xd"/>
Wilt u haar vullen met de woordenlijsten, de help en de demoverzameling?</source>
        <translation>The program folder %1 holds no folder Verzameling or Data.<byte value="xd"/>
Do you want to fill it with the word lists, the help and the demo collection?</translation>
    </message>
    <message>
        <source>Programmamap kon niet worden gevuld!<byte value="xd"/>
%1</source>
        <translation>Program folder could not be filled!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>OpenFile</name>
    <message>
        <source>Open Verzameling</source>
        <translation>Open Collection</translation>
    </message>
    <message>
        <source>Oude Data Importeren</source>
        <translation>Import Old Data</translation>
    </message>
    <message>
        <source>Verzamelingen</source>
        <translation>Collections</translation>
    </message>
    <message>
        <source>Oude data</source>
        <translation>Old data</translation>
    </message>
    <message>
        <source>Maak d.m.v. de linker lijst een keuze uit de verzameling die u wilt openen.</source>
        <translation>Use the list on the left to choose the collection you want to open.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wilt u de verzameling &apos;%1&apos; verwijderen<byte value="xd"/>
inclusief eventuele sub-mappen en afbeeldingen?</source>
        <translation>Do you want to delete the collection &apos;%1&apos;<byte value="xd"/>
including any sub-folders and pictures?</translation>
    </message>
    <message>
        <source>Verzameling kon niet worden verwijderd!<byte value="xd"/>
%1</source>
        <translation>Collection could not be deleted!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>PdfFileQuestion</name>
    <message>
        <source>PDF-bestand</source>
        <translation>PDF file</translation>
    </message>
</context>
<context>
    <name>PictureCheckDialog</name>
    <message>
        <source>Afbeeldingen controleren</source>
        <translation>Check pictures</translation>
    </message>
    <message>
        <source>Uitkomst van de controle</source>
        <translation>Outcome of the check</translation>
    </message>
    <message>
        <source>Een afbeelding hoort bij een record als ze in de map van het jaartal staat en het catalogusnummer met .jpg als naam heeft (hoofdletters tellen niet). Andere bestanden, ook die geen .jpg zijn, tellen als niet gebruikt. Dubbelklik op een regel om het record in de lijst te kiezen.</source>
        <translation>A picture belongs to a record when it is in the folder of the year and has the catalogue number with .jpg as its name (capitals do not count). Other files, also those that are not .jpg, count as unused. Double-click a line to select the record in the list.</translation>
    </message>
    <message>
        <source>Afbeelding toevoegen...</source>
        <translation>Add picture...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ontbrekende afbeeldingen : %1        Niet gebruikte bestanden : %2</source>
        <translation>Missing pictures : %1        Unused files : %2</translation>
    </message>
    <message>
        <source>Ontbrekende afbeelding : %1 / %2</source>
        <translation>Missing picture : %1 / %2</translation>
    </message>
    <message>
        <source>Niet gebruikt bestand : %1</source>
        <translation>Unused file : %1</translation>
    </message>
    <message>
        <source>%1   (record %2 / %3?)</source>
        <translation>%1   (record %2 / %3?)</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Afbeeldingen (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Afbeelding kon niet worden toegevoegd!<byte value="xd"/>
%1</source>
        <translation>Picture could not be added!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Verzameling heeft nog geen naam!<byte value="xd"/>
Sla de verzameling eerst op.</source>
        <translation>Collection has no name yet!<byte value="xd"/>
Save the collection first.</translation>
    </message>
    <message>
        <source>Geen record gekozen!</source>
        <translation>No record selected!</translation>
    </message>
    <message>
        <source>Record heeft al een afbeelding.<byte value="xd"/>
Wilt u deze vervangen?</source>
        <translation>Record already has a picture.<byte value="xd"/>
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Afbeelding toevoegen</source>
        <translation>Add picture</translation>
    </message>
    <message>
        <source>Alle bestanden (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Geen afbeelding op het klembord!</source>
        <translation>No picture on the clipboard!</translation>
    </message>
    <message>
        <source>Afbeeldingen importeren</source>
        <translation>Import pictures</translation>
    </message>
</context>
<context>
    <name>PictureImportForm</name>
    <message>
        <source>nieuw</source>
        <translation>new</translation>
    </message>
    <message>
        <source>vervangt</source>
        <translation>replaces</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflict</translation>
    </message>
    <message>
        <source>geen record</source>
        <translation>no record</translation>
    </message>
    <message>
        <source>Afbeeldingen importeren</source>
        <translation>Import pictures</translation>
    </message>
    <message>
        <source>Gevonden afbeeldingen</source>
        <translation>Pictures found</translation>
    </message>
    <message>
        <source>Niet gevonden kopiëren</source>
        <translation>Copy unmatched</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Importeren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Bestand</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Actie</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Map : %1        Bestanden : %2        Zonder record : %3</source>
        <translation>Folder : %1        Files : %2        Without record : %3</translation>
    </message>
    <message>
        <source>Geen bestanden aangevinkt!</source>
        <translation>No files ticked!</translation>
    </message>
    <message>
        <source>%1 afbeeldingen toegevoegd.</source>
        <translation>%1 pictures added.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Niet toegevoegd:<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
Not added:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>PlaceholderPicture</name>
    <message>
        <source>Geen Afbeelding</source>
        <translation>No Picture</translation>
    </message>
</context>
<context>
    <name>PrintOnCurrentPrinter</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Naar printer &apos;%1&apos; gestuurd.</source>
        <translation>Sent to printer &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Opgeslagen als PDF-bestand: %1</source>
        <translation>Saved as PDF file: %1</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>PrintText</name>
    <message>
        <source>Catalogusnummer</source>
        <translation>Catalogue number</translation>
    </message>
    <message>
        <source>Aantal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Dubbelen %1</source>
        <translation>Duplicates %1</translation>
    </message>
    <message>
        <source>Reeks</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Ontbrekend</source>
        <translation>Missing</translation>
    </message>
    <message>
        <source>Mancolijst %1</source>
        <translation>Want list %1</translation>
    </message>
    <message>
        <source>Totaal</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Cat.Nummer</source>
        <translation>Cat.Number</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Conditie</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Verzameling : %1</source>
        <translation>Collection : %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; zonder waarde</source>
        <translation>&apos;%1&apos; without a value</translation>
    </message>
    <message>
        <source>onbekend argument &apos;%1&apos;</source>
        <translation>unknown argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; verwacht een getal, niet &apos;%2&apos;</source>
        <translation>&apos;%1&apos; expects a number, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--job 1 tot en met 5 is nodig</source>
        <translation>--job 1 to 5 is required</translation>
    </message>
    <message>
        <source>--pdf BESTAND is nodig</source>
        <translation>--pdf BESTAND is required</translation>
    </message>
    <message>
        <source>Maximaal 999 exemplaren!</source>
        <translation>At most 999 copies!</translation>
    </message>
    <message>
        <source>record %1 bestaat niet (1 tot en met %2)</source>
        <translation>record %1 does not exist (1 to %2)</translation>
    </message>
    <message>
        <source>foto &apos;%1&apos; kon niet worden gelezen</source>
        <translation>photo &apos;%1&apos; could not be read</translation>
    </message>
    <message>
        <source>%1 (--record POS)</source>
        <translation>%1 (--record POS)</translation>
    </message>
    <message>
        <source>PDF &apos;%1&apos; kon niet worden geschreven</source>
        <translation>PDF &apos;%1&apos; could not be written</translation>
    </message>
    <message>
        <source>Complete lijst afdrukken met de reeds ingevoerde gegevens.</source>
        <translation>Print the complete list with the data entered so far.</translation>
    </message>
    <message>
        <source>Complete lijst afdrukken met prijs en totaal prijs.</source>
        <translation>Print the complete list with price and total price.</translation>
    </message>
    <message>
        <source>Huidige record afdrukken met eventuele afbeelding van de zegels en velletjes.</source>
        <translation>Print the current record with any picture of the stamps and souvenir sheets.</translation>
    </message>
    <message>
        <source>Sluitzegelvel afdrukken met eigen foto. Klik op de button voor uw foto.</source>
        <translation>Print a seal sheet with your own photo. Click the button for your photo.</translation>
    </message>
    <message>
        <source>Afdrukken van jaartallen van 1850 t/m 2019 voor insteekboeken</source>
        <translation>Print years from 1850 to 2019 for stockbooks</translation>
    </message>
    <message>
        <source>Cat.nummer</source>
        <translation>Cat.number</translation>
    </message>
    <message>
        <source>Catalogusprijs</source>
        <translation>Catalogue value</translation>
    </message>
    <message>
        <source>Mijn prijs</source>
        <translation>My price</translation>
    </message>
    <message>
        <source>Item selecteren a.u.b.</source>
        <translation>Please select an item.</translation>
    </message>
    <message>
        <source>Itemnummer</source>
        <translation>Item number</translation>
    </message>
    <message>
        <source>Jaartal</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Catalogus Nummer</source>
        <translation>Catalogue Number</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Soort zegel</source>
        <translation>Stamp kind</translation>
    </message>
    <message>
        <source>Type zegel</source>
        <translation>Stamp type</translation>
    </message>
    <message>
        <source>Waarde opdruk</source>
        <translation>Face value</translation>
    </message>
    <message>
        <source>Afbeelding</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Opmerking</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Catalogus Prijs</source>
        <translation>Catalogue Value</translation>
    </message>
    <message>
        <source>Mijn Prijs</source>
        <translation>My Price</translation>
    </message>
    <message>
        <source>Verzamelgebied : %1</source>
        <translation>Collecting area : %1</translation>
    </message>
    <message>
        <source>Aantal Gegevens : %1</source>
        <translation>Number of Entries : %1</translation>
    </message>
    <message>
        <source>Aantal Records : %1</source>
        <translation>Number of Records : %1</translation>
    </message>
    <message>
        <source>PDF-bestand</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; kon het document niet aannemen.</source>
        <translation>The printer &quot;%1&quot; could not accept the document.</translation>
    </message>
    <message>
        <source>Het document kon niet naar de printer &quot;%1&quot; worden gestuurd.</source>
        <translation>The document could not be sent to the printer &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Cat.Prijs</source>
        <translation>Cat.Value</translation>
    </message>
    <message>
        <source>(leeg)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>Statistiek : %1</source>
        <translation>Statistics : %1</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Printerkeuze</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>RecordEditing</name>
    <message>
        <source>Wilt u (%1) verwijderen uit de lijst?</source>
        <translation>Do you want to remove (%1) from the list?</translation>
    </message>
    <message>
        <source> Delete</source>
        <translation> Delete</translation>
    </message>
    <message>
        <source>Catalogus nummer invullen a.u.b.</source>
        <translation>Please fill in the catalogue number.</translation>
    </message>
</context>
<context>
    <name>RecordSelection</name>
    <message>
        <source>Geen afbeelding</source>
        <translation>No picture</translation>
    </message>
    <message>
        <source>Afbeelding van %1</source>
        <translation>Picture of %1</translation>
    </message>
</context>
<context>
    <name>RecoveryGuard</name>
    <message>
        <source>Er zijn niet-opgeslagen wijzigingen van %1 gevonden (verzameling &apos;%2&apos;).<byte value="xd"/>
Wilt u deze herstellen?</source>
        <translation>Unsaved changes from %1 were found (collection &apos;%2&apos;).<byte value="xd"/>
Do you want to recover them?</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; is ook geopend in een ander programma.<byte value="xd"/>
Wat u hier wijzigt, wordt apart bewaard tot u het opslaat; sla op onder een andere naam om beide te houden.</source>
        <translation>Collection &apos;%1&apos; is also open in another program.<byte value="xd"/>
What you change here is kept separately until you save it; save under another name to keep both.</translation>
    </message>
</context>
<context>
    <name>SaveForm</name>
    <message>
        <source>Verzameling Opslaan</source>
        <translation>Save Collection</translation>
    </message>
    <message>
        <source>Naam van de verzameling</source>
        <translation>Name of the collection</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; bestaat reeds!<byte value="xd"/>
Wilt u deze overschrijven?</source>
        <translation>Collection &apos;%1&apos; already exists!<byte value="xd"/>
Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; is intussen door een ander programma gewijzigd.<byte value="xd"/>
Wilt u deze toch overschrijven?</source>
        <translation>Collection &apos;%1&apos; has been changed by another program in the meantime.<byte value="xd"/>
Do you want to overwrite it anyway?</translation>
    </message>
    <message>
        <source>Naam verzameling ontbreekt!</source>
        <translation>Collection name is missing!</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Toch opslaan zonder vorige versie?</source>
        <translation>%1<byte value="xd"/>
Save anyway without a previous version?</translation>
    </message>
    <message>
        <source>Verzameling kon niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>Collection could not be saved!<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>SlideshowPage</name>
    <message>
        <source>Gebruik het scrollwiel van de muis en de zoekopdracht van de browser om te navigeren door dit album.</source>
        <translation>Use the mouse wheel and the browser&apos;s find command to move through this album.</translation>
    </message>
    <message>
        <source>Eerst een verzameling met zegels laden!</source>
        <translation>Load a collection with stamps first!</translation>
    </message>
</context>
<context>
    <name>StampRecord</name>
    <message>
        <source>Jaartal</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Cat.nr.</source>
        <translation>Cat.no.</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Soort</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Opdruk</source>
        <translation>Face value</translation>
    </message>
    <message>
        <source>Afbeedling</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Conditie</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Cat.Prijs</source>
        <translation>Cat.Value</translation>
    </message>
    <message>
        <source>Mijn Prijs</source>
        <translation>My Price</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Aantal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Cat.Prijs</source>
        <translation>Cat.Value</translation>
    </message>
    <message>
        <source>Mijn Prijs</source>
        <translation>My Price</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Statistiek</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Per</source>
        <translation>By</translation>
    </message>
    <message>
        <source>Grafiek van</source>
        <translation>Chart of</translation>
    </message>
    <message>
        <source>Grafiek</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Totaal</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Catalogus</source>
        <translation>Catalogue</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>Add %1</source>
        <translation>Add %1</translation>
    </message>
    <message>
        <source>Wijzig %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>Catalogusnummers %1</source>
        <translation>Catalogue numbers %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>sorteren op %1</source>
        <translation>sort by %1</translation>
    </message>
    <message>
        <source>vervangen door CSV</source>
        <translation>replace by CSV</translation>
    </message>
    <message>
        <source>importeren uit CSV</source>
        <translation>import from CSV</translation>
    </message>
    <message>
        <source>Cat.Prijs : € %1</source>
        <translation>Cat.Value : € %1</translation>
    </message>
    <message>
        <source>Mijn Prijs : € %1</source>
        <translation>My Price : € %1</translation>
    </message>
    <message>
        <source>Het bestand of de map bestaat niet.</source>
        <translation>The file or folder does not exist.</translation>
    </message>
    <message>
        <source>Geen toegang tot het bestand of de map.</source>
        <translation>No access to the file or folder.</translation>
    </message>
    <message>
        <source>Dit is een map, geen bestand.</source>
        <translation>This is a folder, not a file.</translation>
    </message>
    <message>
        <source>De schijf is vol.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>De schijf is alleen te lezen.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Het bestand is te groot.</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>De naam van het bestand is te lang.</source>
        <translation>The name of the file is too long.</translation>
    </message>
    <message>
        <source>Map kon niet worden verwijderd: %1</source>
        <translation>Folder could not be deleted: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is een bestand van de verzamelingen en wordt nooit overschreven</source>
        <translation>&apos;%1&apos; is a file of the collections and is never overwritten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is een map</source>
        <translation>&apos;%1&apos; is a folder</translation>
    </message>
    <message>
        <source>Bestand &apos;%1&apos; bestaat reeds; --force overschrijft het</source>
        <translation>File &apos;%1&apos; already exists; --force overwrites it</translation>
    </message>
    <message>
        <source>Koppeling &apos;%1&apos; kon niet worden vervangen: %2</source>
        <translation>Link &apos;%1&apos; could not be replaced: %2</translation>
    </message>
    <message>
        <source>De meegeleverde gegevens zijn niet gevonden.</source>
        <translation>The shipped data were not found.</translation>
    </message>
    <message>
        <source>De map kon niet worden gemaakt: %1</source>
        <translation>The folder could not be created: %1</translation>
    </message>
    <message>
        <source>De map %1 kon niet worden gevuld.</source>
        <translation>The folder %1 could not be filled.</translation>
    </message>
    <message>
        <source>Het bestand bestaat niet.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Dit is geen gewoon bestand.</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>map kon niet worden aangemaakt: %1</source>
        <translation>folder could not be created: %1</translation>
    </message>
    <message>
        <source>Het bestand is te kort.</source>
        <translation>The file is too short.</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling!</source>
        <translation>Invalid name for a collection!</translation>
    </message>
    <message>
        <source>De naam is te lang voor een bestandsnaam op deze schijf: %1 bytes, ten hoogste %2 (een letter met een accent telt voor twee).</source>
        <translation>The name is too long for a file name on this disk: %1 bytes, at most %2 (an accented letter counts as two).</translation>
    </message>
    <message>
        <source>Map voor afbeeldingen kon niet worden aangemaakt: %1</source>
        <translation>Folder for pictures could not be created: %1</translation>
    </message>
    <message>
        <source>Mancolijst niet meegenomen: %1</source>
        <translation>Want list not taken along: %1</translation>
    </message>
    <message>
        <source>Mancolijst niet teruggezet: %1</source>
        <translation>Want list not restored: %1</translation>
    </message>
    <message>
        <source>Catalogusnummers niet teruggezet: %1</source>
        <translation>Catalogue numbers not restored: %1</translation>
    </message>
    <message>
        <source>Verzameling kon niet worden vergrendeld: %1</source>
        <translation>Collection could not be locked: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kon niet worden hernoemd</source>
        <translation>&apos;%1&apos; could not be renamed</translation>
    </message>
    <message>
        <source>een ander programma slaat deze verzameling op</source>
        <translation>another program is saving this collection</translation>
    </message>
    <message>
        <source>slotbestand kon niet worden aangemaakt</source>
        <translation>lock file could not be created</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; is intussen door een ander programma gewijzigd.</source>
        <translation>Collection &apos;%1&apos; has been changed by another program in the meantime.</translation>
    </message>
    <message>
        <source>Catalogusnummers konden niet worden opgeslagen: %1</source>
        <translation>Catalogue numbers could not be saved: %1</translation>
    </message>
    <message>
        <source>Vorige versie kon niet worden bewaard: %1</source>
        <translation>Previous version could not be kept: %1</translation>
    </message>
    <message>
        <source>map is een symbolische koppeling: %1</source>
        <translation>folder is a symbolic link: %1</translation>
    </message>
    <message>
        <source>Verzameling &apos;%1&apos; kan niet worden geschreven: %2</source>
        <translation>Collection &apos;%1&apos; cannot be written: %2</translation>
    </message>
    <message>
        <source>ongeldige naam</source>
        <translation>invalid name</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen bestand</source>
        <translation>&apos;%1&apos; is not a file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is geen map</source>
        <translation>&apos;%1&apos; is not a folder</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is een koppeling</source>
        <translation>&apos;%1&apos; is a link</translation>
    </message>
    <message>
        <source>map &apos;%1&apos; kon niet worden gemaakt</source>
        <translation>folder &apos;%1&apos; could not be created</translation>
    </message>
    <message>
        <source>Vorige afbeelding kon niet worden bewaard: %1</source>
        <translation>Previous picture could not be kept: %1</translation>
    </message>
    <message>
        <source>(naamloos)</source>
        <translation>(untitled)</translation>
    </message>
    <message>
        <source>Map is een symbolische koppeling: %1</source>
        <translation>Folder is a symbolic link: %1</translation>
    </message>
    <message>
        <source>Map kon niet worden aangemaakt: %1</source>
        <translation>Folder could not be created: %1</translation>
    </message>
    <message>
        <source>Bestand is een symbolische koppeling: %1</source>
        <translation>File is a symbolic link: %1</translation>
    </message>
    <message>
        <source>Bestand is intussen gewijzigd: %1</source>
        <translation>File has been changed in the meantime: %1</translation>
    </message>
    <message>
        <source>Afbeelding kon niet als JPEG worden opgeslagen: %1</source>
        <translation>Picture could not be saved as JPEG: %1</translation>
    </message>
    <message>
        <source>De verzameling heeft nog geen naam; sla haar eerst op.</source>
        <translation>The collection has no name yet; save it first.</translation>
    </message>
    <message>
        <source>Ongeldige naam voor een verzameling: &apos;%1&apos;</source>
        <translation>Invalid name for a collection: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Dit record heeft geen jaartal.</source>
        <translation>This record has no year.</translation>
    </message>
    <message>
        <source>Dit record heeft geen catalogusnummer.</source>
        <translation>This record has no catalogue number.</translation>
    </message>
    <message>
        <source>Het jaartal &apos;%1&apos; kan geen mapnaam zijn.</source>
        <translation>The year &apos;%1&apos; cannot be a folder name.</translation>
    </message>
    <message>
        <source>Het catalogusnummer &apos;%1&apos; kan geen bestandsnaam zijn.</source>
        <translation>The catalogue number &apos;%1&apos; cannot be a file name.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kon niet worden gelezen: %2</source>
        <translation>&apos;%1&apos; could not be read: %2</translation>
    </message>
    <message>
        <source>Dit JPEG-bestand is beschadigd of onvolledig.</source>
        <translation>This JPEG file is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Deze afbeelding is te groot: %1 x %2 beeldpunten (het programma leest tot %3 miljoen beeldpunten).</source>
        <translation>This picture is too large: %1 x %2 pixels (the program reads up to %3 million pixels).</translation>
    </message>
    <message>
        <source>Dit is geen afbeelding die het programma kan lezen.</source>
        <translation>This is not a picture the program can read.</translation>
    </message>
    <message>
        <source>Er is geen afbeelding.</source>
        <translation>There is no picture.</translation>
    </message>
    <message>
        <source>Dit record heeft al een afbeelding: %1</source>
        <translation>This record already has a picture: %1</translation>
    </message>
    <message>
        <source>Map &apos;%1&apos; kon niet worden gemaakt.</source>
        <translation>Folder &apos;%1&apos; could not be created.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ligt buiten de map van de verzameling.</source>
        <translation>&apos;%1&apos; lies outside the folder of the collection.</translation>
    </message>
    <message>
        <source>Koppeling &apos;%1&apos; kon niet worden verwijderd.</source>
        <translation>Link &apos;%1&apos; could not be removed.</translation>
    </message>
    <message>
        <source>Afbeelding kon niet worden opgeslagen: %1</source>
        <translation>Picture could not be saved: %1</translation>
    </message>
    <message>
        <source>Dit catalogusnummer hoort bij %1 records.</source>
        <translation>This catalogue number belongs to %1 records.</translation>
    </message>
    <message>
        <source>%1 bestanden horen bij dit record.</source>
        <translation>%1 files belong to this record.</translation>
    </message>
    <message>
        <source>%1: geen record</source>
        <translation>%1: no record</translation>
    </message>
    <message>
        <source>%1: conflict; %2</source>
        <translation>%1: conflict; %2</translation>
    </message>
    <message>
        <source>%1: dit record kreeg al een afbeelding</source>
        <translation>%1: this record already got a picture</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Onbekende taal &apos;%1&apos; (nl, en of de)</source>
        <translation>Unknown language &apos;%1&apos; (nl, en or de)</translation>
    </message>
</context>
<context>
    <name>SystemPrinterCanvas</name>
    <message>
        <source>De printer &quot;%1&quot; is niet gevonden.</source>
        <translation>The printer &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; neemt geen opdrachten aan.</source>
        <translation>The printer &quot;%1&quot; does not accept jobs.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; is gestopt.</source>
        <translation>The printer &quot;%1&quot; has been stopped.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; heeft de opdracht geweigerd: %2</source>
        <translation>The printer &quot;%1&quot; refused the job: %2</translation>
    </message>
</context>
<context>
    <name>TellicoImportForm</name>
    <message>
        <source>Importeren uit Tellico</source>
        <translation>Import from Tellico</translation>
    </message>
    <message>
        <source>Tellico-bestand kon niet worden gelezen!<byte value="xd"/>
%1</source>
        <translation>Tellico file could not be read!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Postzegels : %1    Afbeeldingen : %2 gevonden, %3 ontbreken</source>
        <translation>Stamps : %1    Pictures : %2 found, %3 missing</translation>
    </message>
    <message>
        <source>Wordt geschreven : %1</source>
        <translation>Will be written : %1</translation>
    </message>
    <message>
        <source>Tellico-bestand kon niet worden geïmporteerd!<byte value="xd"/>
%1</source>
        <translation>Tellico file could not be imported!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 records en %2 afbeeldingen geïmporteerd in %3 verzameling(en).</source>
        <translation>%1 records and %2 pictures imported into %3 collection(s).</translation>
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
        <translation>usage: tessaron2 [--home DIR] [--language nl|en|de]
Tessaron2 Stamp Archive: keep track of your own stamp collection.

  --home DIR            DIR is the program folder
  --language nl|en|de   speaks Dutch, English or German this time, overriding
                        the choice under Help &gt; Language and the system&apos;s language
  --help                shows this text
  --version             shows the version

The program folder (Tessaron2.ini, Data/, Verzameling/) is DIR of --home, else
$TESSARON2_HOME, else the folder of the program if it holds a folder Verzameling,
else ~/Tessaron2, which is filled with the word lists, the help and the demo
collection at the first start.
</translation>
    </message>
</context>
<context>
    <name>TradeListDialog</name>
    <message>
        <source>Catalogusnummer</source>
        <translation>Catalogue number</translation>
    </message>
    <message>
        <source>Aantal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Dubbelen %1</source>
        <translation>Duplicates %1</translation>
    </message>
    <message>
        <source>Dubbel : %1 nummers, %2 te ruilen</source>
        <translation>Duplicates : %1 numbers, %2 to trade</translation>
    </message>
    <message>
        <source>Tellen op</source>
        <translation>Count by</translation>
    </message>
    <message>
        <source>Cat.nr.</source>
        <translation>Cat.no.</translation>
    </message>
</context>
<context>
    <name>VersionsForm</name>
    <message>
        <source>Vorige versies</source>
        <translation>Previous versions</translation>
    </message>
    <message>
        <source>Kies een eerdere versie om deze als huidige verzameling te openen; het bestand verandert pas bij opslaan.</source>
        <translation>Choose an earlier version to open it as the current collection; the file changes only when you save.</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tijd</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 (inhoud van &apos;%2&apos;)</source>
        <translation>%1 (contents of &apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Versie kon niet worden gelezen!<byte value="xd"/>
%1</source>
        <translation>Version could not be read!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>WantListDialog</name>
    <message>
        <source>Reeks</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Ontbrekend</source>
        <translation>Missing</translation>
    </message>
    <message>
        <source>Aantal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Mancolijst %1</source>
        <translation>Want list %1</translation>
    </message>
    <message>
        <source>Reeksen, een per regel:</source>
        <translation>Ranges, one per line:</translation>
    </message>
    <message>
        <source>Bijvoorbeeld &quot;MBund 1-20&quot;, &quot;LP1-LP15&quot; of één nummer: &quot;NVPH 123a&quot;.</source>
        <translation>For example &quot;MBund 1-20&quot;, &quot;LP1-LP15&quot; or one number: &quot;NVPH 123a&quot;.</translation>
    </message>
    <message>
        <source>Mancolijst kon niet worden gelezen!<byte value="xd"/>
%1</source>
        <translation>Want list could not be read!<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>kan niet worden gelezen</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>Totaal ontbrekend : %1</source>
        <translation>Total missing : %1</translation>
    </message>
    <message>
        <source>Mancolijst kon niet worden opgeslagen!<byte value="xd"/>
%1</source>
        <translation>Want list could not be saved!<byte value="xd"/>
%1</translation>
    </message>
</context>
</TS>
