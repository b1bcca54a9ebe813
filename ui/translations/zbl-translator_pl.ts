<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CategoryTooltips</name>
    <message>
        <source>(no text)</source>
        <translation>(brak tekstu)</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 element</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>elementów: %1</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>1 blank</source>
        <translation>1 spacja</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>spacji: %1</translation>
    </message>
    <message>
        <source>no punctuation</source>
        <translation>brak interpunkcji</translation>
    </message>
    <message>
        <source>Blanks at the start: %1 in the new text, %2 in the old.</source>
        <translation>Spacje na początku: w nowym tekście %1, w starym %2.</translation>
    </message>
    <message>
        <source>Blanks at the end: %1 in the new text, %2 in the old.</source>
        <translation>Spacje na końcu: w nowym tekście %1, w starym %2.</translation>
    </message>
    <message>
        <source>The new text has doubled blanks; the old text has none.</source>
        <translation>Nowy tekst ma podwójne spacje, stary nie ma żadnych.</translation>
    </message>
    <message>
        <source>The new text ends in %1, the old text in %2.</source>
        <translation>Nowy tekst kończy się na %1, stary na %2.</translation>
    </message>
    <message>
        <source>The new text begins with a small letter, the old text with a capital.</source>
        <translation>Nowy tekst zaczyna się małą literą, stary wielką.</translation>
    </message>
    <message>
        <source>The new text begins with a capital, the old text with a small letter.</source>
        <translation>Nowy tekst zaczyna się wielką literą, stary małą.</translation>
    </message>
    <message>
        <source>The new text lacks the digits %1 of the old text.</source>
        <translation>W nowym tekście brakuje cyfr %1 ze starego.</translation>
    </message>
    <message>
        <source>Row %1, %2, says the same but is translated as %3.</source>
        <translation>Wiersz %1, %2, mówi to samo, ale jest przetłumaczony jako %3.</translation>
    </message>
    <message>
        <source>Row %1, %2, is given the same new text.</source>
        <translation>Wiersz %1, %2, ma ten sam nowy tekst.</translation>
    </message>
    <message>
        <source>Misspelled: %1.</source>
        <translation>Błędna pisownia: %1.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save anyway</source>
        <translation>Zapisz mimo to</translation>
    </message>
    <message>
        <source>Language of the old texts:</source>
        <translation>Język starych tekstów:</translation>
    </message>
    <message>
        <source>Language of the new texts:</source>
        <translation>Język nowych tekstów:</translation>
    </message>
</context>
<context>
    <name>EditMessages</name>
    <message>
        <source>The library is damaged: only %1 of %2 items could be read. The save will write these %1 items; the other %3 will be missing from the file it writes.</source>
        <translation>Biblioteka jest uszkodzona: udało się odczytać tylko %1 z %2 elementów. Zapis zachowa te elementy (%1); pozostałych (%3) zabraknie w zapisanym pliku.</translation>
    </message>
    <message>
        <source> The %1 after the last item will not be written either.</source>
        <translation> Dane po ostatnim elemencie (%1) również nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Zapisać mimo to?</translation>
    </message>
    <message>
        <source>One of the new categories has not been saved. Save it before %1?</source>
        <translation>Jedna z nowych kategorii nie została zapisana. Zapisać ją przed %1?</translation>
    </message>
    <message>
        <source>%1 of the new categories have not been saved. Save them before %2?</source>
        <translation>Nie zapisano nowych kategorii (%1). Zapisać je przed %2?</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 z %2 elementów</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>elementów: %1</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 categories · %4 changed · Windows-%5</source>
        <translation>%1 · %2 · kategorie: %3 · zmienione: %4 · Windows-%5</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>&quot;%1&quot; holds texts in %2 languages. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>„%1” zawiera teksty w wielu językach (%2). W jakim języku są stare kategorie, a w jakim ich nowe teksty?</translation>
    </message>
    <message>
        <source>The %1 file names the languages of its texts. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>Plik %1 podaje języki swoich tekstów. W jakim języku są stare kategorie, a w jakim ich nowe teksty?</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message>
        <source>Text encoding</source>
        <translation>Kodowanie tekstu</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>1 byte</source>
        <translation>1 bajt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>The file ends inside the size of item %1.</source>
        <translation>Plik kończy się w środku rozmiaru elementu %1.</translation>
    </message>
    <message>
        <source>Item %1 claims a size smaller than its header.</source>
        <translation>Element %1 podaje rozmiar mniejszy niż jego nagłówek.</translation>
    </message>
    <message>
        <source>Item %1 runs past the end of the file.</source>
        <translation>Element %1 wychodzi poza koniec pliku.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <translation>Nie można otworzyć pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Zembrel library.</source>
        <translation>Plik „%1” nie jest biblioteką Zembrel.</translation>
    </message>
    <message>
        <source>The library &quot;%1&quot; is damaged: %2 of %3 items could be read.</source>
        <translation>Biblioteka „%1” jest uszkodzona: udało się odczytać %2 z %3 elementów.</translation>
    </message>
    <message>
        <source>There is not enough memory to load the library &quot;%1&quot;.</source>
        <translation>Za mało pamięci, by wczytać bibliotekę „%1”.</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items was not read. A save will not keep it.</source>
        <translation>W bibliotece „%1” po ostatnim z %3 elementów pozostały nieodczytane dane (%2). Zapis ich nie zachowa.</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items were not read. A save will not keep them.</source>
        <translation>W bibliotece „%1” po ostatnim z %3 elementów pozostały nieodczytane dane (%2). Zapis ich nie zachowa.</translation>
    </message>
</context>
<context>
    <name>MapTransfer</name>
    <message>
        <source>line %1, the plural entry %2 (a category has no plural forms)</source>
        <translation>wiersz %1, wpis w liczbie mnogiej %2 (kategoria nie ma form liczby mnogiej)</translation>
    </message>
    <message>
        <source>line %1, the entry %2 (it holds a NUL escape, which ends a text in a catalogue)</source>
        <translation>wiersz %1, wpis %2 (zawiera sekwencję NUL, która w katalogu kończy tekst)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it has no target text)</source>
        <translation>wiersz %1, jednostka %2 (nie ma tekstu docelowego)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it holds inline codes, formatting of another kind of document, which a category cannot carry)</source>
        <translation>wiersz %1, jednostka %2 (zawiera kody wewnętrzne, formatowanie innego rodzaju dokumentu, którego kategoria nie może przenieść)</translation>
    </message>
    <message>
        <source>Category map (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</source>
        <translation>Mapa kategorii (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</translation>
    </message>
    <message>
        <source>The map was not imported, and no category was changed.

%1: %2</source>
        <translation>Mapy nie zaimportowano i nie zmieniono żadnej kategorii.

%1: %2</translation>
    </message>
    <message>
        <source>The one entry of &quot;%1&quot; is not</source>
        <translation>Jedyny wpis „%1” nie jest</translation>
    </message>
    <message>
        <source>None of the %1 entries of &quot;%2&quot; is</source>
        <translation>Żaden z %1 wpisów „%2” nie jest</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;, but most of them are when read as %2: choose it under Text encoding. No category was changed.</source>
        <translation> kategorią biblioteki „%1”, ale większość jest nią po odczytaniu jako %2: wybierz to w menu Kodowanie tekstu. Nie zmieniono żadnej kategorii.</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;. Is it the map of another library? No category was changed.</source>
        <translation> kategorią biblioteki „%1”. Czy to mapa innej biblioteki? Nie zmieniono żadnej kategorii.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed no category.</source>
        <translation>Mapa „%1” nie zmieniła żadnej kategorii.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i %1 innych</translation>
    </message>
    <message>
        <source> %1 of this library: %2.</source>
        <translation> %1 tej biblioteki: %2.</translation>
    </message>
    <message>
        <source>1 of its entries is not a category</source>
        <translation>1 z jej wpisów to nie kategoria</translation>
    </message>
    <message>
        <source>%1 of its entries are not categories</source>
        <translation>%1 z jej wpisów to nie kategorie</translation>
    </message>
    <message>
        <source> Most of them are categories read as %1: choose it under Text encoding.</source>
        <translation> Odczytane jako %1 są w większości kategoriami: wybierz to w menu Kodowanie tekstu.</translation>
    </message>
    <message>
        <source> Not applied: %1.</source>
        <translation> Nie zastosowano: %1.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed 1 category.</source>
        <translation>Mapa „%1” zmieniła 1 kategorię.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed %2 categories.</source>
        <translation>Mapa „%1” zmieniła kategorie: %2.</translation>
    </message>
    <message>
        <source> 1 entry marked fuzzy was not applied.</source>
        <translation> Nie zastosowano 1 wpisu oznaczonego jako niepewny.</translation>
    </message>
    <message>
        <source> %1 entries marked fuzzy were not applied.</source>
        <translation> Nie zastosowano wpisów oznaczonych jako niepewne: %1.</translation>
    </message>
</context>
<context>
    <name>ProgressReporter</name>
    <message>
        <source>Progress : %1 %</source>
        <translation>Postęp: %1%</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>the new file could not be created</source>
        <translation>nie można utworzyć nowego pliku</translation>
    </message>
    <message>
        <source>the new file could not be written</source>
        <translation>nie można zapisać nowego pliku</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>nowy plik nie mógł zastąpić starego</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>nie można odczytać pliku</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: it is a descriptor of a process, not a file.</source>
        <translation>Nie można zapisać %1 do „%2”: to deskryptor procesu, a nie plik.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3 (%4).</source>
        <translation>Nie można zapisać %1 do „%2”: %3 (%4).</translation>
    </message>
    <message>
        <source> The temporary file &quot;%1&quot; could not be removed.</source>
        <translation> Nie można usunąć pliku tymczasowego „%1”.</translation>
    </message>
    <message>
        <source> The file was left as it was.</source>
        <translation> Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Nic nie zapisano.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the %1 to &quot;%2&quot;.</source>
        <translation>Za mało pamięci: nie można zapisać %1 do „%2”.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3.</source>
        <translation>Nie można zapisać %1 do „%2”: %3.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;.</source>
        <translation>Nie można zapisać %1 do „%2”.</translation>
    </message>
    <message>
        <source>library</source>
        <translation>biblioteki</translation>
    </message>
    <message>
        <source>The map was not saved: &quot;%1&quot; is a library, and a map is never written over one.</source>
        <translation>Nie zapisano mapy: „%1” to biblioteka, a mapa nigdy nie nadpisuje biblioteki.</translation>
    </message>
    <message>
        <source>map</source>
        <translation>mapy</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without it?</source>
        <translation>Biblioteka kończy się danymi po ostatnim elemencie (%1), których zapis nie zachowa. Zapisać bez nich?</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without them?</source>
        <translation>Biblioteka kończy się danymi po ostatnim elemencie (%1), których zapis nie zachowa. Zapisać bez nich?</translation>
    </message>
</context>
<context>
    <name>StorageGauge</name>
    <message>
        <source>%1 bytes left</source>
        <translation>zostało: %1 B</translation>
    </message>
</context>
<context>
    <name>StorageMessages</name>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 nie zawiera %2</translation>
    </message>
    <message>
        <source>longer than %1 bytes, cut to %1</source>
        <translation>dłuższy niż %1 B, skrócony do %1</translation>
    </message>
    <message>
        <source>Stored as %1: %2</source>
        <translation>Zapisana jako %1: %2</translation>
    </message>
    <message>
        <source>Stored as %1, like row %2 %3: the two become one category</source>
        <translation>Zapisana jako %1, jak wiersz %2 %3: obie staną się jedną kategorią</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i %1 innych</translation>
    </message>
    <message>
        <source>%1 will not be stored as typed:

%2

Save anyway?</source>
        <translation>%1 inaczej, niż wpisano:

%2

Zapisać mimo to?</translation>
    </message>
    <message>
        <source>One new category</source>
        <translation>Jedna nowa kategoria zostanie zapisana</translation>
    </message>
    <message>
        <source>%1 new categories</source>
        <translation>Nowe kategorie (%1) zostaną zapisane</translation>
    </message>
</context>
<context>
    <name>TCategoryEditorDelegate</name>
    <message>
        <source>New category</source>
        <translation>Nowa kategoria</translation>
    </message>
</context>
<context>
    <name>TCategoryModel</name>
    <message>
        <source>Old category</source>
        <translation>Stara kategoria</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nowa kategoria</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementy</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>(no text)</source>
        <translation>(brak tekstu)</translation>
    </message>
    <message>
        <source>Changed from &quot;%1&quot;</source>
        <translation>Zmieniono z „%1”</translation>
    </message>
    <message>
        <source>No row after this one fails a check.</source>
        <translation>Za tym wierszem żaden nie ma nieudanego sprawdzenia.</translation>
    </message>
    <message>
        <source>No row before this one fails a check.</source>
        <translation>Przed tym wierszem żaden nie ma nieudanego sprawdzenia.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(puste)</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Do zrobienia</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Zmienione</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Zapisane inaczej, niż wpisano</translation>
    </message>
    <message>
        <source>No row after this one is still to do.</source>
        <translation>Za tym wierszem nie ma już nic do zrobienia.</translation>
    </message>
    <message>
        <source>No row before this one is still to do.</source>
        <translation>Przed tym wierszem nie ma już nic do zrobienia.</translation>
    </message>
    <message>
        <source>No row after this one is not stored as typed.</source>
        <translation>Za tym wierszem każdy zostanie zapisany tak, jak wpisano.</translation>
    </message>
    <message>
        <source>No row before this one is not stored as typed.</source>
        <translation>Przed tym wierszem każdy zostanie zapisany tak, jak wpisano.</translation>
    </message>
    <message>
        <source>No changed row after this one.</source>
        <translation>Za tym wierszem nie ma zmienionych.</translation>
    </message>
    <message>
        <source>No changed row before this one.</source>
        <translation>Przed tym wierszem nie ma zmienionych.</translation>
    </message>
</context>
<context>
    <name>TLoadFlow</name>
    <message>
        <source>loading &quot;%1&quot;</source>
        <translation>wczytaniem „%1”</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Zembrel - Library category translator</source>
        <translation>Zembrel - tłumacz kategorii bibliotek</translation>
    </message>
    <message>
        <source>Load Library</source>
        <translation>Wczytaj bibliotekę</translation>
    </message>
    <message>
        <source>Save Library</source>
        <translation>Zapisz bibliotekę</translation>
    </message>
    <message>
        <source>Zembrel Library (*.zbl)</source>
        <translation>Biblioteka Zembrel (*.zbl)</translation>
    </message>
    <message>
        <source>The dictionary %1 cannot be read.</source>
        <translation>Nie można odczytać słownika %1.</translation>
    </message>
    <message>
        <source>Old categories</source>
        <translation>Stare kategorie</translation>
    </message>
    <message>
        <source>New categories</source>
        <translation>Nowe kategorie</translation>
    </message>
    <message>
        <source>Picture of a drawing library</source>
        <translation>Obraz biblioteki rysunków</translation>
    </message>
    <message>
        <source>zbl-translator · free software made with Qt</source>
        <translation>zbl-translator · wolne oprogramowanie zrobione w Qt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Export map…</source>
        <translation>Eksportuj mapę…</translation>
    </message>
    <message>
        <source>Import map…</source>
        <translation>Importuj mapę…</translation>
    </message>
    <message>
        <source>Add translation memory…</source>
        <translation>Dodaj pamięć tłumaczeń…</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Przetłumacz wstępnie z pamięci</translation>
    </message>
    <message>
        <source>Use suggestion %1</source>
        <translation>Użyj podpowiedzi %1</translation>
    </message>
    <message>
        <source>Translation table…</source>
        <translation>Tabela tłumaczeń…</translation>
    </message>
    <message>
        <source>Next to do</source>
        <translation>Następny do zrobienia</translation>
    </message>
    <message>
        <source>Previous to do</source>
        <translation>Poprzedni do zrobienia</translation>
    </message>
    <message>
        <source>Next not stored as typed</source>
        <translation>Następny zapisany inaczej, niż wpisano</translation>
    </message>
    <message>
        <source>Next failing a check</source>
        <translation>Następny z nieudanym sprawdzeniem</translation>
    </message>
    <message>
        <source>Previous failing a check</source>
        <translation>Poprzedni z nieudanym sprawdzeniem</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>closing</source>
        <translation>zamknięciem</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads, or a category map (.po, .tsv, .txt), which it imports.</source>
        <translation>Okno przyjmuje jeden upuszczony plik: bibliotekę (.zbl), którą wczytuje, lub mapę kategorii (.po, .tsv, .txt), którą importuje.</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads. Once a library is loaded, a category map (.po, .tsv, .txt) dropped is imported.</source>
        <translation>Okno przyjmuje jeden upuszczony plik: bibliotekę (.zbl), którą wczytuje. Gdy biblioteka jest wczytana, upuszczona mapa kategorii (.po, .tsv, .txt) zostaje zaimportowana.</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>Edycja „%1”</translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Import Map</source>
        <translation>Importuj mapę</translation>
    </message>
    <message>
        <source>Export Map</source>
        <translation>Eksportuj mapę</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Reading the map…</source>
        <translation>Odczytywanie mapy…</translation>
    </message>
    <message>
        <source>Import &quot;%1&quot;</source>
        <translation>Import „%1”</translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Add Translation Memory</source>
        <translation>Dodaj pamięć tłumaczeń</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The file was not added to the translation memory.

%1: %2</source>
        <translation>Nie dodano pliku do pamięci tłumaczeń.

%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no translation to reuse: none of its entries gives a category a new text.</source>
        <translation>„%1” nie zawiera tłumaczeń do ponownego użycia: żaden z wpisów nie daje kategorii nowego tekstu.</translation>
    </message>
    <message>
        <source>1 translation from &quot;%1&quot; is in the translation memory until the program ends.</source>
        <translation>1 tłumaczenie z „%1” pozostaje w pamięci tłumaczeń do zamknięcia programu.</translation>
    </message>
    <message>
        <source>%1 translations from &quot;%2&quot; are in the translation memory until the program ends.</source>
        <translation>Tłumaczenia z „%2” (%1) pozostają w pamięci tłumaczeń do zamknięcia programu.</translation>
    </message>
    <message>
        <source>this library</source>
        <translation>ta biblioteka</translation>
    </message>
    <message>
        <source>No category still to do has its old text in the translation memory.</source>
        <translation>Żadna kategoria do zrobienia nie ma swojego starego tekstu w pamięci tłumaczeń.</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Przetłumacz wstępnie z pamięci</translation>
    </message>
    <message>
        <source>1 category still to do was given the translation of its old text in the translation memory.</source>
        <translation>1 kategoria do zrobienia otrzymała tłumaczenie swojego starego tekstu z pamięci tłumaczeń.</translation>
    </message>
    <message>
        <source>%1 categories still to do were given the translation of their old text in the translation memory.</source>
        <translation>Kategorie do zrobienia (%1) otrzymały tłumaczenia swoich starych tekstów z pamięci tłumaczeń.</translation>
    </message>
</context>
<context>
    <name>TProgressform</name>
    <message>
        <source>Progressform</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Label1</source>
        <translation>Label1</translation>
    </message>
</context>
<context>
    <name>TSaveChecks</name>
    <message>
        <source>Sorry - There is an empty category!</source>
        <translation>Niestety - jedna z kategorii jest pusta!</translation>
    </message>
    <message>
        <source>No library is loaded. Save an empty library with no items?</source>
        <translation>Nie wczytano żadnej biblioteki. Zapisać pustą bibliotekę bez elementów?</translation>
    </message>
</context>
<context>
    <name>TSpellingChoice</name>
    <message>
        <source>Spelling</source>
        <translation>Pisownia</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>TSpellingLineEdit</name>
    <message>
        <source>No suggestions</source>
        <translation>Brak podpowiedzi</translation>
    </message>
</context>
<context>
    <name>TSuggestionModel</name>
    <message>
        <source>%1  %2%  %3 → %4  (%5)</source>
        <translation>%1  %2%  %3 → %4  (%5)</translation>
    </message>
    <message>
        <source>%1% alike: &quot;%2&quot; became &quot;%3&quot; in %4</source>
        <translation>Podobieństwo %1%: „%2” stało się „%3” (źródło: %4)</translation>
    </message>
</context>
<context>
    <name>TSuggestionView</name>
    <message>
        <source>Suggestions from the translation memory</source>
        <translation>Podpowiedzi z pamięci tłumaczeń</translation>
    </message>
</context>
<context>
    <name>TTranslationTable</name>
    <message>
        <source>Translation table</source>
        <translation>Tabela tłumaczeń</translation>
    </message>
    <message>
        <source>Search old and new texts</source>
        <translation>Szukaj w starych i nowych tekstach</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Exact case</source>
        <translation>Uwzględnij wielkość liter</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Wyrażenie regularne</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Pokazane wiersze</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Do zrobienia</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Zmienione</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Zapisane inaczej, niż wpisano</translation>
    </message>
    <message>
        <source>Checks failing</source>
        <translation>Nieudane sprawdzenia</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Suggestions from the translation memory:</source>
        <translation>Podpowiedzi z pamięci tłumaczeń:</translation>
    </message>
    <message>
        <source>Copy old text to new</source>
        <translation>Skopiuj stary tekst do nowego</translation>
    </message>
    <message>
        <source>Revert to the saved text</source>
        <translation>Przywróć zapisany tekst</translation>
    </message>
    <message>
        <source>Copy old texts</source>
        <translation>Skopiuj stare teksty</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>This regular expression is not valid.</source>
        <translation>To wyrażenie regularne jest nieprawidłowe.</translation>
    </message>
    <message>
        <source>%1 shown · %2 categories · %3 to do · %4 changed · %5 not stored as typed</source>
        <translation>pokazane: %1 · kategorie: %2 · do zrobienia: %3 · zmienione: %4 · zapisane inaczej: %5</translation>
    </message>
</context>
</TS>
