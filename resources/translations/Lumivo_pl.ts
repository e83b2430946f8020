<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>Menu</name>
    <message>
        <source>Receive 3D points</source>
        <translation>Odbieraj punkty 3D</translation>
    </message>
    <message>
        <source>Orthophotos window</source>
        <translation>Okno ortofotomap</translation>
    </message>
    <message>
        <source>Receive Viewport</source>
        <translation>Odbieraj widok</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Plugin interface to get data from Korvex Sorvane to Archicad</source>
        <translation>Dodatek przesyłający dane z Korvex Sorvane do programu Archicad</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Delete selected from list</source>
        <translation>Usuń zaznaczone z listy</translation>
    </message>
    <message>
        <source>Delete selected from project</source>
        <translation>Usuń zaznaczone z projektu</translation>
    </message>
    <message>
        <source>Delete selected from list and project</source>
        <translation>Usuń zaznaczone z listy i projektu</translation>
    </message>
</context>
<context>
    <name>OrthophotoWindow</name>
    <message>
        <source>Korvex Sorvane Orthophotos</source>
        <translation>Ortofotomapy Korvex Sorvane</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Find element</source>
        <translation>Znajdź element</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Element name</source>
        <translation>Nazwa elementu</translation>
    </message>
    <message>
        <source>Sheet name</source>
        <translation>Nazwa arkusza</translation>
    </message>
    <message>
        <source>Reference to</source>
        <translation>Odniesienie do</translation>
    </message>
    <message>
        <source>Layer name</source>
        <translation>Nazwa warstwy</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Korvex Lumivo plugin</source>
        <translation>Ustawienia dodatku Korvex Lumivo</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>Create Worksheets and import import images to them:</source>
        <translation>Twórz arkusze robocze i importuj do nich obrazy:</translation>
    </message>
    <message>
        <source>Create Worksheets and import import images to them</source>
        <translation>Twórz arkusze robocze i importuj do nich obrazy</translation>
    </message>
    <message>
        <source>Delete Orthophotos on Sorvane delete:</source>
        <translation>Usuwaj ortofotomapy po usunięciu w Sorvane:</translation>
    </message>
    <message>
        <source>Delete Orthophotos on Sorvane delete</source>
        <translation>Usuwaj ortofotomapy, gdy zostaną usunięte w Sorvane</translation>
    </message>
    <message>
        <source>Lock images after import:</source>
        <translation>Blokuj obrazy po imporcie:</translation>
    </message>
    <message>
        <source>Lock images after import</source>
        <translation>Blokuj obrazy po imporcie</translation>
    </message>
    <message>
        <source>Remove from list after import:</source>
        <translation>Usuwaj z listy po imporcie:</translation>
    </message>
    <message>
        <source>Remove from list after import</source>
        <translation>Usuwaj z listy po imporcie</translation>
    </message>
    <message>
        <source>Warn if section is duplicate:</source>
        <translation>Ostrzegaj o zduplikowanym przekroju:</translation>
    </message>
    <message>
        <source>Warn if section is duplicate</source>
        <translation>Ostrzegaj, jeśli przekrój już istnieje w projekcie</translation>
    </message>
    <message>
        <source>Interface file check time [ms]</source>
        <translation>Interwał sprawdzania pliku wymiany [ms]</translation>
    </message>
    <message>
        <source>Parse complete KPJ project on first read:</source>
        <translation>Wczytuj cały projekt KPJ przy pierwszym odczycie:</translation>
    </message>
    <message>
        <source>When the interface file is generated the first time, parses the complete open project into elements</source>
        <translation>Gdy plik wymiany zostanie utworzony po raz pierwszy, cały otwarty projekt zostanie wczytany jako elementy</translation>
    </message>
    <message>
        <source>Import Merger image instead of Layout/Section tiles:</source>
        <translation>Importuj obraz scalony (Merger) zamiast kafelków layoutu/przekroju:</translation>
    </message>
    <message>
        <source>When checked the PlugIn will try to load the Merger image instead of Layout/Section tiles</source>
        <translation>Po zaznaczeniu dodatek spróbuje wczytać obraz scalony (Merger) zamiast kafelków layoutu/przekroju</translation>
    </message>
    <message>
        <source>Delete section from project on delete:</source>
        <translation>Usuwaj przekrój z projektu przy usuwaniu:</translation>
    </message>
    <message>
        <source>When checked the PlugIn will try to delete sections from the project which were deleted</source>
        <translation>Po zaznaczeniu dodatek spróbuje usunąć z projektu przekroje, które zostały usunięte</translation>
    </message>
    <message>
        <source>Delete worksheet from project on delete:</source>
        <translation>Usuwaj arkusz roboczy z projektu przy usuwaniu:</translation>
    </message>
    <message>
        <source>When checked the PlugIn will try to delete worksheets from the project which were deleted</source>
        <translation>Po zaznaczeniu dodatek spróbuje usunąć z projektu arkusze robocze, które zostały usunięte</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
</context>
</TS>
