<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>Menu</name>
    <message>
        <source>Receive 3D points</source>
        <translation>3D-Punkte empfangen</translation>
    </message>
    <message>
        <source>Orthophotos window</source>
        <translation>Orthofoto-Fenster</translation>
    </message>
    <message>
        <source>Receive Viewport</source>
        <translation>Kameraansicht empfangen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Plugin interface to get data from Korvex Sorvane to Archicad</source>
        <translation>Add-On-Schnittstelle zur Übernahme von Daten aus Korvex Sorvane in Archicad</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Delete selected from list</source>
        <translation>Auswahl aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Delete selected from project</source>
        <translation>Auswahl aus dem Projekt löschen</translation>
    </message>
    <message>
        <source>Delete selected from list and project</source>
        <translation>Auswahl aus Liste und Projekt löschen</translation>
    </message>
</context>
<context>
    <name>OrthophotoWindow</name>
    <message>
        <source>Korvex Sorvane Orthophotos</source>
        <translation>Korvex Sorvane Orthofotos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Find element</source>
        <translation>Element finden</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Element name</source>
        <translation>Elementname</translation>
    </message>
    <message>
        <source>Sheet name</source>
        <translation>Blattname</translation>
    </message>
    <message>
        <source>Reference to</source>
        <translation>Referenz auf</translation>
    </message>
    <message>
        <source>Layer name</source>
        <translation>Ebenenname</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Korvex Lumivo plugin</source>
        <translation>Einstellungen für Korvex Lumivo</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Create Worksheets and import import images to them:</source>
        <translation>Arbeitsblätter erstellen und Bilder darauf importieren:</translation>
    </message>
    <message>
        <source>Create Worksheets and import import images to them</source>
        <translation>Arbeitsblätter erstellen und Bilder darauf importieren</translation>
    </message>
    <message>
        <source>Delete Orthophotos on Sorvane delete:</source>
        <translation>Orthofotos löschen, wenn in Sorvane gelöscht:</translation>
    </message>
    <message>
        <source>Delete Orthophotos on Sorvane delete</source>
        <translation>Orthofotos löschen, wenn sie in Sorvane gelöscht werden</translation>
    </message>
    <message>
        <source>Lock images after import:</source>
        <translation>Bilder nach dem Import sperren:</translation>
    </message>
    <message>
        <source>Lock images after import</source>
        <translation>Bilder nach dem Import sperren</translation>
    </message>
    <message>
        <source>Remove from list after import:</source>
        <translation>Nach dem Import aus der Liste entfernen:</translation>
    </message>
    <message>
        <source>Remove from list after import</source>
        <translation>Nach dem Import aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Warn if section is duplicate:</source>
        <translation>Warnen, wenn der Schnitt bereits vorhanden ist:</translation>
    </message>
    <message>
        <source>Warn if section is duplicate</source>
        <translation>Warnen, wenn der Schnitt im Projekt bereits vorhanden ist</translation>
    </message>
    <message>
        <source>Interface file check time [ms]</source>
        <translation>Prüfintervall der Schnittstellendatei [ms]</translation>
    </message>
    <message>
        <source>Parse complete KPJ project on first read:</source>
        <translation>Beim ersten Lesen das gesamte KPJ-Projekt einlesen:</translation>
    </message>
    <message>
        <source>When the interface file is generated the first time, parses the complete open project into elements</source>
        <translation>Wird die Schnittstellendatei zum ersten Mal erzeugt, wird das gesamte geöffnete Projekt in Elemente eingelesen</translation>
    </message>
    <message>
        <source>Import Merger image instead of Layout/Section tiles:</source>
        <translation>Merger-Bild statt Layout-/Schnittkacheln importieren:</translation>
    </message>
    <message>
        <source>When checked the PlugIn will try to load the Merger image instead of Layout/Section tiles</source>
        <translation>Wenn aktiviert, versucht das Add-On, das Merger-Bild statt der Layout-/Schnittkacheln zu laden</translation>
    </message>
    <message>
        <source>Delete section from project on delete:</source>
        <translation>Schnitt beim Löschen aus dem Projekt entfernen:</translation>
    </message>
    <message>
        <source>When checked the PlugIn will try to delete sections from the project which were deleted</source>
        <translation>Wenn aktiviert, versucht das Add-On, gelöschte Schnitte auch aus dem Projekt zu entfernen</translation>
    </message>
    <message>
        <source>Delete worksheet from project on delete:</source>
        <translation>Arbeitsblatt beim Löschen aus dem Projekt entfernen:</translation>
    </message>
    <message>
        <source>When checked the PlugIn will try to delete worksheets from the project which were deleted</source>
        <translation>Wenn aktiviert, versucht das Add-On, gelöschte Arbeitsblätter auch aus dem Projekt zu entfernen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
</TS>
