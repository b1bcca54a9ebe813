<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CategoryTooltips</name>
    <message>
        <source>(no text)</source>
        <translation>(kein Text)</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 Element</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Elemente</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>1 blank</source>
        <translation>1 Leerzeichen</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>%1 Leerzeichen</translation>
    </message>
    <message>
        <source>no punctuation</source>
        <translation>kein Satzzeichen</translation>
    </message>
    <message>
        <source>Blanks at the start: %1 in the new text, %2 in the old.</source>
        <translation>Leerzeichen am Anfang: %1 im neuen Text, %2 im alten.</translation>
    </message>
    <message>
        <source>Blanks at the end: %1 in the new text, %2 in the old.</source>
        <translation>Leerzeichen am Ende: %1 im neuen Text, %2 im alten.</translation>
    </message>
    <message>
        <source>The new text has doubled blanks; the old text has none.</source>
        <translation>Der neue Text hat doppelte Leerzeichen, der alte keine.</translation>
    </message>
    <message>
        <source>The new text ends in %1, the old text in %2.</source>
        <translation>Der neue Text endet auf %1, der alte auf %2.</translation>
    </message>
    <message>
        <source>The new text begins with a small letter, the old text with a capital.</source>
        <translation>Der neue Text beginnt mit einem Kleinbuchstaben, der alte mit einem Großbuchstaben.</translation>
    </message>
    <message>
        <source>The new text begins with a capital, the old text with a small letter.</source>
        <translation>Der neue Text beginnt mit einem Großbuchstaben, der alte mit einem Kleinbuchstaben.</translation>
    </message>
    <message>
        <source>The new text lacks the digits %1 of the old text.</source>
        <translation>Dem neuen Text fehlen die Ziffern %1 des alten.</translation>
    </message>
    <message>
        <source>Row %1, %2, says the same but is translated as %3.</source>
        <translation>Zeile %1, %2, sagt dasselbe, ist aber als %3 übersetzt.</translation>
    </message>
    <message>
        <source>Row %1, %2, is given the same new text.</source>
        <translation>Zeile %1, %2, hat denselben neuen Text.</translation>
    </message>
    <message>
        <source>Misspelled: %1.</source>
        <translation>Falsch geschrieben: %1.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Language of the old texts:</source>
        <translation>Sprache der alten Texte:</translation>
    </message>
    <message>
        <source>Language of the new texts:</source>
        <translation>Sprache der neuen Texte:</translation>
    </message>
</context>
<context>
    <name>EditMessages</name>
    <message>
        <source>The library is damaged: only %1 of %2 items could be read. The save will write these %1 items; the other %3 will be missing from the file it writes.</source>
        <translation>Die Bibliothek ist beschädigt: Nur %1 von %2 Elementen konnten gelesen werden. Beim Speichern werden diese %1 Elemente geschrieben; die übrigen %3 fehlen in der gespeicherten Datei.</translation>
    </message>
    <message>
        <source> The %1 after the last item will not be written either.</source>
        <translation> Auch was nach dem letzten Element folgt (%1), wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Trotzdem speichern?</translation>
    </message>
    <message>
        <source>One of the new categories has not been saved. Save it before %1?</source>
        <translation>Eine der neuen Kategorien ist noch nicht gespeichert. Vor dem %1 speichern?</translation>
    </message>
    <message>
        <source>%1 of the new categories have not been saved. Save them before %2?</source>
        <translation>%1 der neuen Kategorien sind noch nicht gespeichert. Vor dem %2 speichern?</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 von %2 Elementen</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Elemente</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 categories · %4 changed · Windows-%5</source>
        <translation>%1 · %2 · %3 Kategorien · %4 geändert · Windows-%5</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>&quot;%1&quot; holds texts in %2 languages. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>„%1“ enthält Texte in %2 Sprachen. In welcher Sprache sind die alten Kategorien, in welcher ihre neuen Texte?</translation>
    </message>
    <message>
        <source>The %1 file names the languages of its texts. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>Die %1-Datei nennt die Sprachen ihrer Texte. In welcher Sprache sind die alten Kategorien, in welcher ihre neuen Texte?</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message>
        <source>Text encoding</source>
        <translation>Textkodierung</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>The file ends inside the size of item %1.</source>
        <translation>Die Datei endet mitten in der Größenangabe von Element %1.</translation>
    </message>
    <message>
        <source>Item %1 claims a size smaller than its header.</source>
        <translation>Element %1 gibt eine Größe an, die kleiner ist als sein Kopf.</translation>
    </message>
    <message>
        <source>Item %1 runs past the end of the file.</source>
        <translation>Element %1 reicht über das Ende der Datei hinaus.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Zembrel library.</source>
        <translation>Die Datei „%1“ ist keine Zembrel-Bibliothek.</translation>
    </message>
    <message>
        <source>The library &quot;%1&quot; is damaged: %2 of %3 items could be read.</source>
        <translation>Die Bibliothek „%1“ ist beschädigt: %2 von %3 Elementen konnten gelesen werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to load the library &quot;%1&quot;.</source>
        <translation>Der Arbeitsspeicher reicht nicht, um die Bibliothek „%1“ zu laden.</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items was not read. A save will not keep it.</source>
        <translation>In der Bibliothek „%1“ wurde %2 nach dem letzten der %3 Elemente nicht gelesen. Beim Speichern geht es verloren.</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items were not read. A save will not keep them.</source>
        <translation>In der Bibliothek „%1“ wurden %2 nach dem letzten der %3 Elemente nicht gelesen. Beim Speichern gehen sie verloren.</translation>
    </message>
</context>
<context>
    <name>MapTransfer</name>
    <message>
        <source>line %1, the plural entry %2 (a category has no plural forms)</source>
        <translation>Zeile %1, der Pluraleintrag %2 (eine Kategorie hat keine Pluralformen)</translation>
    </message>
    <message>
        <source>line %1, the entry %2 (it holds a NUL escape, which ends a text in a catalogue)</source>
        <translation>Zeile %1, der Eintrag %2 (er enthält ein NUL-Escape, das in einem Katalog einen Text beendet)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it has no target text)</source>
        <translation>Zeile %1, die Einheit %2 (sie hat keinen Zieltext)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it holds inline codes, formatting of another kind of document, which a category cannot carry)</source>
        <translation>Zeile %1, die Einheit %2 (sie enthält Inline-Codes, Formatierung einer anderen Art von Dokument, die eine Kategorie nicht tragen kann)</translation>
    </message>
    <message>
        <source>Category map (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</source>
        <translation>Kategorie-Zuordnung (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</translation>
    </message>
    <message>
        <source>The map was not imported, and no category was changed.

%1: %2</source>
        <translation>Die Zuordnung wurde nicht importiert, keine Kategorie wurde geändert.

%1: %2</translation>
    </message>
    <message>
        <source>The one entry of &quot;%1&quot; is not</source>
        <translation>Der einzige Eintrag von „%1“ ist nicht</translation>
    </message>
    <message>
        <source>None of the %1 entries of &quot;%2&quot; is</source>
        <translation>Keiner der %1 Einträge von „%2“ ist</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;, but most of them are when read as %2: choose it under Text encoding. No category was changed.</source>
        <translation> als Kategorie in „%1“ enthalten, als %2 gelesen aber die meisten: Wählen Sie es unter Textkodierung. Keine Kategorie wurde geändert.</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;. Is it the map of another library? No category was changed.</source>
        <translation> als Kategorie in „%1“ enthalten. Ist es die Zuordnung einer anderen Bibliothek? Keine Kategorie wurde geändert.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed no category.</source>
        <translation>Die Zuordnung „%1“ hat keine Kategorie geändert.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source> %1 of this library: %2.</source>
        <translation> %1 dieser Bibliothek: %2.</translation>
    </message>
    <message>
        <source>1 of its entries is not a category</source>
        <translation>1 ihrer Einträge ist keine Kategorie</translation>
    </message>
    <message>
        <source>%1 of its entries are not categories</source>
        <translation>%1 ihrer Einträge sind keine Kategorien</translation>
    </message>
    <message>
        <source> Most of them are categories read as %1: choose it under Text encoding.</source>
        <translation> Als %1 gelesen sind die meisten davon Kategorien: Wählen Sie es unter Textkodierung.</translation>
    </message>
    <message>
        <source> Not applied: %1.</source>
        <translation> Nicht übernommen: %1.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed 1 category.</source>
        <translation>Die Zuordnung „%1“ hat 1 Kategorie geändert.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed %2 categories.</source>
        <translation>Die Zuordnung „%1“ hat %2 Kategorien geändert.</translation>
    </message>
    <message>
        <source> 1 entry marked fuzzy was not applied.</source>
        <translation> 1 als ungenau markierter Eintrag wurde nicht übernommen.</translation>
    </message>
    <message>
        <source> %1 entries marked fuzzy were not applied.</source>
        <translation> %1 als ungenau markierte Einträge wurden nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>ProgressReporter</name>
    <message>
        <source>Progress : %1 %</source>
        <translation>Fortschritt: %1 %</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>the new file could not be created</source>
        <translation>die neue Datei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the new file could not be written</source>
        <translation>die neue Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>die neue Datei konnte die alte nicht ersetzen</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: it is a descriptor of a process, not a file.</source>
        <translation>%1 konnte nicht unter „%2“ gespeichert werden: Das ist ein Deskriptor eines Prozesses, keine Datei.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3 (%4).</source>
        <translation>%1 konnte nicht unter „%2“ gespeichert werden: %3 (%4).</translation>
    </message>
    <message>
        <source> The temporary file &quot;%1&quot; could not be removed.</source>
        <translation> Die temporäre Datei „%1“ konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source> The file was left as it was.</source>
        <translation> Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the %1 to &quot;%2&quot;.</source>
        <translation>Zu wenig Arbeitsspeicher: %1 konnte nicht unter „%2“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3.</source>
        <translation>%1 konnte nicht unter „%2“ gespeichert werden: %3.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;.</source>
        <translation>%1 konnte nicht unter „%2“ gespeichert werden.</translation>
    </message>
    <message>
        <source>library</source>
        <translation>Die Bibliothek</translation>
    </message>
    <message>
        <source>The map was not saved: &quot;%1&quot; is a library, and a map is never written over one.</source>
        <translation>Die Zuordnung wurde nicht gespeichert: „%1“ ist eine Bibliothek, und eine Zuordnung überschreibt nie eine Bibliothek.</translation>
    </message>
    <message>
        <source>map</source>
        <translation>Die Zuordnung</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without it?</source>
        <translation>Nach ihrem letzten Element folgt in der Bibliothek noch %1, das beim Speichern nicht geschrieben wird. Ohne es speichern?</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without them?</source>
        <translation>Nach ihrem letzten Element folgen in der Bibliothek noch %1, die beim Speichern nicht geschrieben werden. Ohne sie speichern?</translation>
    </message>
</context>
<context>
    <name>StorageGauge</name>
    <message>
        <source>%1 bytes left</source>
        <translation>noch %1 Bytes frei</translation>
    </message>
</context>
<context>
    <name>StorageMessages</name>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 enthält kein %2</translation>
    </message>
    <message>
        <source>longer than %1 bytes, cut to %1</source>
        <translation>länger als %1 Bytes, auf %1 gekürzt</translation>
    </message>
    <message>
        <source>Stored as %1: %2</source>
        <translation>Gespeichert als %1: %2</translation>
    </message>
    <message>
        <source>Stored as %1, like row %2 %3: the two become one category</source>
        <translation>Gespeichert als %1, wie Zeile %2 %3: Beide werden eine Kategorie</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1 will not be stored as typed:

%2

Save anyway?</source>
        <translation>%1 nicht wie eingegeben gespeichert:

%2

Trotzdem speichern?</translation>
    </message>
    <message>
        <source>One new category</source>
        <translation>Eine neue Kategorie wird</translation>
    </message>
    <message>
        <source>%1 new categories</source>
        <translation>%1 neue Kategorien werden</translation>
    </message>
</context>
<context>
    <name>TCategoryEditorDelegate</name>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
</context>
<context>
    <name>TCategoryModel</name>
    <message>
        <source>Old category</source>
        <translation>Alte Kategorie</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>(no text)</source>
        <translation>(kein Text)</translation>
    </message>
    <message>
        <source>Changed from &quot;%1&quot;</source>
        <translation>Geändert, zuvor „%1“</translation>
    </message>
    <message>
        <source>No row after this one fails a check.</source>
        <translation>Nach dieser Zeile scheitert keine an einer Prüfung.</translation>
    </message>
    <message>
        <source>No row before this one fails a check.</source>
        <translation>Vor dieser Zeile scheitert keine an einer Prüfung.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Nicht wie eingegeben gespeichert</translation>
    </message>
    <message>
        <source>No row after this one is still to do.</source>
        <translation>Nach dieser Zeile ist keine mehr offen.</translation>
    </message>
    <message>
        <source>No row before this one is still to do.</source>
        <translation>Vor dieser Zeile ist keine mehr offen.</translation>
    </message>
    <message>
        <source>No row after this one is not stored as typed.</source>
        <translation>Nach dieser Zeile wird jede wie eingegeben gespeichert.</translation>
    </message>
    <message>
        <source>No row before this one is not stored as typed.</source>
        <translation>Vor dieser Zeile wird jede wie eingegeben gespeichert.</translation>
    </message>
    <message>
        <source>No changed row after this one.</source>
        <translation>Keine geänderte Zeile nach dieser.</translation>
    </message>
    <message>
        <source>No changed row before this one.</source>
        <translation>Keine geänderte Zeile vor dieser.</translation>
    </message>
</context>
<context>
    <name>TLoadFlow</name>
    <message>
        <source>loading &quot;%1&quot;</source>
        <translation>Laden von „%1“</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Zembrel - Library category translator</source>
        <translation>Zembrel - Kategorien einer Bibliothek übersetzen</translation>
    </message>
    <message>
        <source>Load Library</source>
        <translation>Bibliothek laden</translation>
    </message>
    <message>
        <source>Save Library</source>
        <translation>Bibliothek speichern</translation>
    </message>
    <message>
        <source>Zembrel Library (*.zbl)</source>
        <translation>Zembrel-Bibliothek (*.zbl)</translation>
    </message>
    <message>
        <source>The dictionary %1 cannot be read.</source>
        <translation>Das Wörterbuch %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Old categories</source>
        <translation>Alte Kategorien</translation>
    </message>
    <message>
        <source>New categories</source>
        <translation>Neue Kategorien</translation>
    </message>
    <message>
        <source>Picture of a drawing library</source>
        <translation>Bild einer Zeichenbibliothek</translation>
    </message>
    <message>
        <source>zbl-translator · free software made with Qt</source>
        <translation>zbl-translator · freie Software, erstellt mit Qt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Export map…</source>
        <translation>Zuordnung exportieren …</translation>
    </message>
    <message>
        <source>Import map…</source>
        <translation>Zuordnung importieren …</translation>
    </message>
    <message>
        <source>Add translation memory…</source>
        <translation>Übersetzungsspeicher hinzufügen …</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Aus dem Speicher vorübersetzen</translation>
    </message>
    <message>
        <source>Use suggestion %1</source>
        <translation>Vorschlag %1 übernehmen</translation>
    </message>
    <message>
        <source>Translation table…</source>
        <translation>Übersetzungstabelle …</translation>
    </message>
    <message>
        <source>Next to do</source>
        <translation>Nächste offene</translation>
    </message>
    <message>
        <source>Previous to do</source>
        <translation>Vorige offene</translation>
    </message>
    <message>
        <source>Next not stored as typed</source>
        <translation>Nächste nicht wie eingegeben gespeicherte</translation>
    </message>
    <message>
        <source>Next failing a check</source>
        <translation>Nächste mit fehlgeschlagener Prüfung</translation>
    </message>
    <message>
        <source>Previous failing a check</source>
        <translation>Vorige mit fehlgeschlagener Prüfung</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>closing</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads, or a category map (.po, .tsv, .txt), which it imports.</source>
        <translation>Das Fenster nimmt eine darauf abgelegte Datei an: eine Bibliothek (.zbl), die es lädt, oder eine Kategorie-Zuordnung (.po, .tsv, .txt), die es importiert.</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads. Once a library is loaded, a category map (.po, .tsv, .txt) dropped is imported.</source>
        <translation>Das Fenster nimmt eine darauf abgelegte Datei an: eine Bibliothek (.zbl), die es lädt. Ist eine Bibliothek geladen, wird eine abgelegte Kategorie-Zuordnung (.po, .tsv, .txt) importiert.</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>„%1“ bearbeiten</translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Import Map</source>
        <translation>Zuordnung importieren</translation>
    </message>
    <message>
        <source>Export Map</source>
        <translation>Zuordnung exportieren</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading the map…</source>
        <translation>Zuordnung wird gelesen …</translation>
    </message>
    <message>
        <source>Import &quot;%1&quot;</source>
        <translation>„%1“ importieren</translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Add Translation Memory</source>
        <translation>Übersetzungsspeicher hinzufügen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file was not added to the translation memory.

%1: %2</source>
        <translation>Die Datei wurde nicht zum Übersetzungsspeicher hinzugefügt.

%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no translation to reuse: none of its entries gives a category a new text.</source>
        <translation>„%1“ enthält keine wiederverwendbare Übersetzung: Keiner ihrer Einträge gibt einer Kategorie einen neuen Text.</translation>
    </message>
    <message>
        <source>1 translation from &quot;%1&quot; is in the translation memory until the program ends.</source>
        <translation>1 Übersetzung aus „%1“ bleibt bis zum Programmende im Übersetzungsspeicher.</translation>
    </message>
    <message>
        <source>%1 translations from &quot;%2&quot; are in the translation memory until the program ends.</source>
        <translation>%1 Übersetzungen aus „%2“ bleiben bis zum Programmende im Übersetzungsspeicher.</translation>
    </message>
    <message>
        <source>this library</source>
        <translation>dieser Bibliothek</translation>
    </message>
    <message>
        <source>No category still to do has its old text in the translation memory.</source>
        <translation>Keine offene Kategorie hat ihren alten Text im Übersetzungsspeicher.</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Aus dem Speicher vorübersetzen</translation>
    </message>
    <message>
        <source>1 category still to do was given the translation of its old text in the translation memory.</source>
        <translation>1 offene Kategorie hat die Übersetzung ihres alten Textes aus dem Übersetzungsspeicher erhalten.</translation>
    </message>
    <message>
        <source>%1 categories still to do were given the translation of their old text in the translation memory.</source>
        <translation>%1 offene Kategorien haben die Übersetzung ihres alten Textes aus dem Übersetzungsspeicher erhalten.</translation>
    </message>
</context>
<context>
    <name>TProgressform</name>
    <message>
        <source>Progressform</source>
        <translation>Fortschritt</translation>
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
        <translation>Leider gibt es eine leere Kategorie!</translation>
    </message>
    <message>
        <source>No library is loaded. Save an empty library with no items?</source>
        <translation>Es ist keine Bibliothek geladen. Eine leere Bibliothek ohne Elemente speichern?</translation>
    </message>
</context>
<context>
    <name>TSpellingChoice</name>
    <message>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>TSpellingLineEdit</name>
    <message>
        <source>No suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
</context>
<context>
    <name>TSuggestionModel</name>
    <message>
        <source>%1  %2%  %3 → %4  (%5)</source>
        <translation>%1  %2 %  %3 → %4  (%5)</translation>
    </message>
    <message>
        <source>%1% alike: &quot;%2&quot; became &quot;%3&quot; in %4</source>
        <translation>%1 % ähnlich: „%2“ wurde in %4 zu „%3“</translation>
    </message>
</context>
<context>
    <name>TSuggestionView</name>
    <message>
        <source>Suggestions from the translation memory</source>
        <translation>Vorschläge aus dem Übersetzungsspeicher</translation>
    </message>
</context>
<context>
    <name>TTranslationTable</name>
    <message>
        <source>Translation table</source>
        <translation>Übersetzungstabelle</translation>
    </message>
    <message>
        <source>Search old and new texts</source>
        <translation>Alte und neue Texte durchsuchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Exact case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Gezeigte Zeilen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Nicht wie eingegeben gespeichert</translation>
    </message>
    <message>
        <source>Checks failing</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Suggestions from the translation memory:</source>
        <translation>Vorschläge aus dem Übersetzungsspeicher:</translation>
    </message>
    <message>
        <source>Copy old text to new</source>
        <translation>Alten Text als neuen übernehmen</translation>
    </message>
    <message>
        <source>Revert to the saved text</source>
        <translation>Zum gespeicherten Text zurückkehren</translation>
    </message>
    <message>
        <source>Copy old texts</source>
        <translation>Alte Texte übernehmen</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>This regular expression is not valid.</source>
        <translation>Dieser reguläre Ausdruck ist ungültig.</translation>
    </message>
    <message>
        <source>%1 shown · %2 categories · %3 to do · %4 changed · %5 not stored as typed</source>
        <translation>%1 gezeigt · %2 Kategorien · %3 offen · %4 geändert · %5 nicht wie eingegeben</translation>
    </message>
</context>
</TS>
