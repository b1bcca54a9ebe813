<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CategoryTooltips</name>
    <message>
        <source>(no text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no punctuation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blanks at the start: %1 in the new text, %2 in the old.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blanks at the end: %1 in the new text, %2 in the old.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new text has doubled blanks; the old text has none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new text ends in %1, the old text in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new text begins with a small letter, the old text with a capital.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new text begins with a capital, the old text with a small letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new text lacks the digits %1 of the old text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, %2, says the same but is translated as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, %2, is given the same new text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misspelled: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the old texts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the new texts:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditMessages</name>
    <message>
        <source>The library is damaged: only %1 of %2 items could be read. The save will write these %1 items; the other %3 will be missing from the file it writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The %1 after the last item will not be written either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of the new categories has not been saved. Save it before %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the new categories have not been saved. Save them before %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3 categories · %4 changed · Windows-%5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>&quot;%1&quot; holds texts in %2 languages. Which language are the old categories in, and which language are their new texts in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file names the languages of its texts. Which language are the old categories in, and which language are their new texts in?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message>
        <source>Text encoding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>1 byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends inside the size of item %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item %1 claims a size smaller than its header.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item %1 runs past the end of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Zembrel library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library &quot;%1&quot; is damaged: %2 of %3 items could be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to load the library &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items was not read. A save will not keep it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items were not read. A save will not keep them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapTransfer</name>
    <message>
        <source>line %1, the plural entry %2 (a category has no plural forms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, the entry %2 (it holds a NUL escape, which ends a text in a catalogue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it has no target text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it holds inline codes, formatting of another kind of document, which a category cannot carry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category map (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map was not imported, and no category was changed.

%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The one entry of &quot;%1&quot; is not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the %1 entries of &quot;%2&quot; is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;, but most of them are when read as %2: choose it under Text encoding. No category was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;. Is it the map of another library? No category was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed no category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 of this library: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 of its entries is not a category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of its entries are not categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Most of them are categories read as %1: choose it under Text encoding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Not applied: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed 1 category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed %2 categories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1 entry marked fuzzy was not applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 entries marked fuzzy were not applied.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressReporter</name>
    <message>
        <source>Progress : %1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>the new file could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: it is a descriptor of a process, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The temporary file &quot;%1&quot; could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to save the %1 to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map was not saved: &quot;%1&quot; is a library, and a map is never written over one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageGauge</name>
    <message>
        <source>%1 bytes left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageMessages</name>
    <message>
        <source>%1 has no %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than %1 bytes, cut to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored as %1, like row %2 %3: the two become one category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will not be stored as typed:

%2

Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One new category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new categories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCategoryEditorDelegate</name>
    <message>
        <source>New category</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCategoryModel</name>
    <message>
        <source>Old category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed from &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row after this one fails a check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row before this one fails a check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row after this one is still to do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row before this one is still to do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row after this one is not stored as typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row before this one is not stored as typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changed row after this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changed row before this one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLoadFlow</name>
    <message>
        <source>loading &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Zembrel - Library category translator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zembrel Library (*.zbl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dictionary %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of a drawing library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zbl-translator · free software made with Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export map…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import map…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add translation memory…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use suggestion %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translation table…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next not stored as typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next failing a check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous failing a check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads, or a category map (.po, .tsv, .txt), which it imports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads. Once a library is loaded, a category map (.po, .tsv, .txt) dropped is imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Import Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the map…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Add Translation Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not added to the translation memory.

%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no translation to reuse: none of its entries gives a category a new text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 translation from &quot;%1&quot; is in the translation memory until the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 translations from &quot;%2&quot; are in the translation memory until the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No category still to do has its old text in the translation memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 category still to do was given the translation of its old text in the translation memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 categories still to do were given the translation of their old text in the translation memory.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressform</name>
    <message>
        <source>Progressform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSaveChecks</name>
    <message>
        <source>Sorry - There is an empty category!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No library is loaded. Save an empty library with no items?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSpellingChoice</name>
    <message>
        <source>Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSpellingLineEdit</name>
    <message>
        <source>No suggestions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSuggestionModel</name>
    <message>
        <source>%1  %2%  %3 → %4  (%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% alike: &quot;%2&quot; became &quot;%3&quot; in %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSuggestionView</name>
    <message>
        <source>Suggestions from the translation memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTranslationTable</name>
    <message>
        <source>Translation table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search old and new texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks failing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions from the translation memory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy old text to new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert to the saved text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy old texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This regular expression is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shown · %2 categories · %3 to do · %4 changed · %5 not stored as typed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
