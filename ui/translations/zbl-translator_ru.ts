<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CategoryTooltips</name>
    <message>
        <source>(no text)</source>
        <translation>(нет текста)</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 элемент</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>элементов: %1</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>1 blank</source>
        <translation>1 пробел</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>пробелов: %1</translation>
    </message>
    <message>
        <source>no punctuation</source>
        <translation>нет знака препинания</translation>
    </message>
    <message>
        <source>Blanks at the start: %1 in the new text, %2 in the old.</source>
        <translation>Пробелы в начале: в новом тексте %1, в старом %2.</translation>
    </message>
    <message>
        <source>Blanks at the end: %1 in the new text, %2 in the old.</source>
        <translation>Пробелы в конце: в новом тексте %1, в старом %2.</translation>
    </message>
    <message>
        <source>The new text has doubled blanks; the old text has none.</source>
        <translation>В новом тексте есть двойные пробелы, в старом их нет.</translation>
    </message>
    <message>
        <source>The new text ends in %1, the old text in %2.</source>
        <translation>Новый текст заканчивается на %1, старый на %2.</translation>
    </message>
    <message>
        <source>The new text begins with a small letter, the old text with a capital.</source>
        <translation>Новый текст начинается со строчной буквы, старый с прописной.</translation>
    </message>
    <message>
        <source>The new text begins with a capital, the old text with a small letter.</source>
        <translation>Новый текст начинается с прописной буквы, старый со строчной.</translation>
    </message>
    <message>
        <source>The new text lacks the digits %1 of the old text.</source>
        <translation>В новом тексте нет цифр %1 из старого.</translation>
    </message>
    <message>
        <source>Row %1, %2, says the same but is translated as %3.</source>
        <translation>Строка %1, %2, говорит то же самое, но переведена как %3.</translation>
    </message>
    <message>
        <source>Row %1, %2, is given the same new text.</source>
        <translation>Строке %1, %2, дан тот же новый текст.</translation>
    </message>
    <message>
        <source>Misspelled: %1.</source>
        <translation>Орфографические ошибки: %1.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save anyway</source>
        <translation>Всё равно сохранить</translation>
    </message>
    <message>
        <source>Language of the old texts:</source>
        <translation>Язык старых текстов:</translation>
    </message>
    <message>
        <source>Language of the new texts:</source>
        <translation>Язык новых текстов:</translation>
    </message>
</context>
<context>
    <name>EditMessages</name>
    <message>
        <source>The library is damaged: only %1 of %2 items could be read. The save will write these %1 items; the other %3 will be missing from the file it writes.</source>
        <translation>Библиотека повреждена: удалось прочитать только %1 из %2 элементов. При сохранении будут записаны эти элементы (%1); остальных (%3) в записанном файле не будет.</translation>
    </message>
    <message>
        <source> The %1 after the last item will not be written either.</source>
        <translation> Данные после последнего элемента (%1) тоже не будут записаны.</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Всё равно сохранить?</translation>
    </message>
    <message>
        <source>One of the new categories has not been saved. Save it before %1?</source>
        <translation>Одна из новых категорий не сохранена. Сохранить её перед %1?</translation>
    </message>
    <message>
        <source>%1 of the new categories have not been saved. Save them before %2?</source>
        <translation>Не сохранены новые категории (%1). Сохранить их перед %2?</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 из %2 элементов</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>элементов: %1</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 categories · %4 changed · Windows-%5</source>
        <translation>%1 · %2 · категорий: %3 · изменено: %4 · Windows-%5</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>&quot;%1&quot; holds texts in %2 languages. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>«%1» содержит тексты на нескольких языках (%2). На каком языке старые категории и на каком их новые тексты?</translation>
    </message>
    <message>
        <source>The %1 file names the languages of its texts. Which language are the old categories in, and which language are their new texts in?</source>
        <translation>Файл %1 указывает языки своих текстов. На каком языке старые категории и на каком их новые тексты?</translation>
    </message>
</context>
<context>
    <name>ListMenu</name>
    <message>
        <source>Text encoding</source>
        <translation>Кодировка текста</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>1 byte</source>
        <translation>1 байт</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Б</translation>
    </message>
    <message>
        <source>The file ends inside the size of item %1.</source>
        <translation>Файл обрывается посреди размера элемента %1.</translation>
    </message>
    <message>
        <source>Item %1 claims a size smaller than its header.</source>
        <translation>Элемент %1 указывает размер меньше своего заголовка.</translation>
    </message>
    <message>
        <source>Item %1 runs past the end of the file.</source>
        <translation>Элемент %1 выходит за конец файла.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2.</source>
        <translation>Не удалось открыть файл «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Zembrel library.</source>
        <translation>Файл «%1» не является библиотекой Zembrel.</translation>
    </message>
    <message>
        <source>The library &quot;%1&quot; is damaged: %2 of %3 items could be read.</source>
        <translation>Библиотека «%1» повреждена: удалось прочитать %2 из %3 элементов.</translation>
    </message>
    <message>
        <source>There is not enough memory to load the library &quot;%1&quot;.</source>
        <translation>Недостаточно памяти, чтобы загрузить библиотеку «%1».</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items was not read. A save will not keep it.</source>
        <translation>В библиотеке «%1» после последнего из %3 элементов остались непрочитанные данные (%2). При сохранении они не сохранятся.</translation>
    </message>
    <message>
        <source>In the library &quot;%1&quot;, %2 after the last of the %3 items were not read. A save will not keep them.</source>
        <translation>В библиотеке «%1» после последнего из %3 элементов остались непрочитанные данные (%2). При сохранении они не сохранятся.</translation>
    </message>
</context>
<context>
    <name>MapTransfer</name>
    <message>
        <source>line %1, the plural entry %2 (a category has no plural forms)</source>
        <translation>строка %1, запись с формами множественного числа %2 (у категории нет форм множественного числа)</translation>
    </message>
    <message>
        <source>line %1, the entry %2 (it holds a NUL escape, which ends a text in a catalogue)</source>
        <translation>строка %1, запись %2 (содержит экранированный NUL, который в каталоге завершает текст)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it has no target text)</source>
        <translation>строка %1, блок %2 (в нём нет перевода)</translation>
    </message>
    <message>
        <source>line %1, the unit %2 (it holds inline codes, formatting of another kind of document, which a category cannot carry)</source>
        <translation>строка %1, блок %2 (содержит встроенные коды — форматирование документа другого вида, которое категория не может нести)</translation>
    </message>
    <message>
        <source>Category map (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</source>
        <translation>Сопоставление категорий (*.po *.tsv *.txt *.xlf *.xliff *.tmx)</translation>
    </message>
    <message>
        <source>The map was not imported, and no category was changed.

%1: %2</source>
        <translation>Сопоставление не импортировано, ни одна категория не изменена.

%1: %2</translation>
    </message>
    <message>
        <source>The one entry of &quot;%1&quot; is not</source>
        <translation>Единственная запись «%1» не является</translation>
    </message>
    <message>
        <source>None of the %1 entries of &quot;%2&quot; is</source>
        <translation>Ни одна из записей «%2» (%1) не является</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;, but most of them are when read as %2: choose it under Text encoding. No category was changed.</source>
        <translation> категорией библиотеки «%1», но при чтении в кодировке %2 большинство являются: выберите её в меню «Кодировка текста». Ни одна категория не изменена.</translation>
    </message>
    <message>
        <source> a category of &quot;%1&quot;. Is it the map of another library? No category was changed.</source>
        <translation> категорией библиотеки «%1». Может быть, это сопоставление другой библиотеки? Ни одна категория не изменена.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed no category.</source>
        <translation>Сопоставление «%1» не изменило ни одной категории.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source> %1 of this library: %2.</source>
        <translation> %1 этой библиотеки: %2.</translation>
    </message>
    <message>
        <source>1 of its entries is not a category</source>
        <translation>1 из его записей — не категория</translation>
    </message>
    <message>
        <source>%1 of its entries are not categories</source>
        <translation>%1 из его записей — не категории</translation>
    </message>
    <message>
        <source> Most of them are categories read as %1: choose it under Text encoding.</source>
        <translation> В кодировке %1 большинство из них — категории: выберите её в меню «Кодировка текста».</translation>
    </message>
    <message>
        <source> Not applied: %1.</source>
        <translation> Не применены: %1.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed 1 category.</source>
        <translation>Сопоставление «%1» изменило 1 категорию.</translation>
    </message>
    <message>
        <source>The map &quot;%1&quot; changed %2 categories.</source>
        <translation>Сопоставление «%1» изменило категории: %2.</translation>
    </message>
    <message>
        <source> 1 entry marked fuzzy was not applied.</source>
        <translation> 1 запись, помеченная как неточная, не применена.</translation>
    </message>
    <message>
        <source> %1 entries marked fuzzy were not applied.</source>
        <translation> Не применены записи, помеченные как неточные: %1.</translation>
    </message>
</context>
<context>
    <name>ProgressReporter</name>
    <message>
        <source>Progress : %1 %</source>
        <translation>Выполнено: %1 %</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>the new file could not be created</source>
        <translation>не удалось создать новый файл</translation>
    </message>
    <message>
        <source>the new file could not be written</source>
        <translation>не удалось записать новый файл</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place</source>
        <translation>новый файл не удалось поставить на место старого</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>не удалось прочитать файл</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: it is a descriptor of a process, not a file.</source>
        <translation>Не удалось сохранить %1 в «%2»: это дескриптор процесса, а не файл.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3 (%4).</source>
        <translation>Не удалось сохранить %1 в «%2»: %3 (%4).</translation>
    </message>
    <message>
        <source> The temporary file &quot;%1&quot; could not be removed.</source>
        <translation> Не удалось удалить временный файл «%1».</translation>
    </message>
    <message>
        <source> The file was left as it was.</source>
        <translation> Файл остался без изменений.</translation>
    </message>
    <message>
        <source> Nothing was written.</source>
        <translation> Ничего не записано.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the %1 to &quot;%2&quot;.</source>
        <translation>Недостаточно памяти, чтобы сохранить %1 в «%2».</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;: %3.</source>
        <translation>Не удалось сохранить %1 в «%2»: %3.</translation>
    </message>
    <message>
        <source>The %1 could not be saved to &quot;%2&quot;.</source>
        <translation>Не удалось сохранить %1 в «%2».</translation>
    </message>
    <message>
        <source>library</source>
        <translation>библиотеку</translation>
    </message>
    <message>
        <source>The map was not saved: &quot;%1&quot; is a library, and a map is never written over one.</source>
        <translation>Сопоставление не сохранено: «%1» — библиотека, а сопоставление никогда не записывается поверх библиотеки.</translation>
    </message>
    <message>
        <source>map</source>
        <translation>сопоставление</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without it?</source>
        <translation>В конце библиотеки после последнего элемента есть данные (%1), которые при сохранении не будут записаны. Сохранить без них?</translation>
    </message>
    <message>
        <source>The library ends with %1 after its last item, which the save will not write. Save without them?</source>
        <translation>В конце библиотеки после последнего элемента есть данные (%1), которые при сохранении не будут записаны. Сохранить без них?</translation>
    </message>
</context>
<context>
    <name>StorageGauge</name>
    <message>
        <source>%1 bytes left</source>
        <translation>осталось: %1 Б</translation>
    </message>
</context>
<context>
    <name>StorageMessages</name>
    <message>
        <source>%1 has no %2</source>
        <translation>в %1 нет %2</translation>
    </message>
    <message>
        <source>longer than %1 bytes, cut to %1</source>
        <translation>длиннее %1 Б, обрезано до %1</translation>
    </message>
    <message>
        <source>Stored as %1: %2</source>
        <translation>Сохраняется как %1: %2</translation>
    </message>
    <message>
        <source>Stored as %1, like row %2 %3: the two become one category</source>
        <translation>Сохраняется как %1, как строка %2 %3: обе станут одной категорией</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>%1 will not be stored as typed:

%2

Save anyway?</source>
        <translation>%1 не так, как введено:

%2

Всё равно сохранить?</translation>
    </message>
    <message>
        <source>One new category</source>
        <translation>Одна новая категория сохранится</translation>
    </message>
    <message>
        <source>%1 new categories</source>
        <translation>Новые категории (%1) сохранятся</translation>
    </message>
</context>
<context>
    <name>TCategoryEditorDelegate</name>
    <message>
        <source>New category</source>
        <translation>Новая категория</translation>
    </message>
</context>
<context>
    <name>TCategoryModel</name>
    <message>
        <source>Old category</source>
        <translation>Старая категория</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Новая категория</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>(no text)</source>
        <translation>(нет текста)</translation>
    </message>
    <message>
        <source>Changed from &quot;%1&quot;</source>
        <translation>Изменено с «%1»</translation>
    </message>
    <message>
        <source>No row after this one fails a check.</source>
        <translation>После этой строки нет строк с непройденной проверкой.</translation>
    </message>
    <message>
        <source>No row before this one fails a check.</source>
        <translation>Перед этой строкой нет строк с непройденной проверкой.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(пусто)</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Не готово</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Сохранится не так, как введено</translation>
    </message>
    <message>
        <source>No row after this one is still to do.</source>
        <translation>После этой строки неготовых строк нет.</translation>
    </message>
    <message>
        <source>No row before this one is still to do.</source>
        <translation>Перед этой строкой неготовых строк нет.</translation>
    </message>
    <message>
        <source>No row after this one is not stored as typed.</source>
        <translation>После этой строки все сохранятся так, как введены.</translation>
    </message>
    <message>
        <source>No row before this one is not stored as typed.</source>
        <translation>Перед этой строкой все сохранятся так, как введены.</translation>
    </message>
    <message>
        <source>No changed row after this one.</source>
        <translation>После этой строки изменённых строк нет.</translation>
    </message>
    <message>
        <source>No changed row before this one.</source>
        <translation>Перед этой строкой изменённых строк нет.</translation>
    </message>
</context>
<context>
    <name>TLoadFlow</name>
    <message>
        <source>loading &quot;%1&quot;</source>
        <translation>загрузкой «%1»</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Zembrel - Library category translator</source>
        <translation>Zembrel - перевод категорий библиотек</translation>
    </message>
    <message>
        <source>Load Library</source>
        <translation>Загрузить библиотеку</translation>
    </message>
    <message>
        <source>Save Library</source>
        <translation>Сохранить библиотеку</translation>
    </message>
    <message>
        <source>Zembrel Library (*.zbl)</source>
        <translation>Библиотека Zembrel (*.zbl)</translation>
    </message>
    <message>
        <source>The dictionary %1 cannot be read.</source>
        <translation>Не удаётся прочитать словарь %1.</translation>
    </message>
    <message>
        <source>Old categories</source>
        <translation>Старые категории</translation>
    </message>
    <message>
        <source>New categories</source>
        <translation>Новые категории</translation>
    </message>
    <message>
        <source>Picture of a drawing library</source>
        <translation>Изображение библиотеки рисунков</translation>
    </message>
    <message>
        <source>zbl-translator · free software made with Qt</source>
        <translation>zbl-translator · свободная программа на Qt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Export map…</source>
        <translation>Экспорт сопоставления…</translation>
    </message>
    <message>
        <source>Import map…</source>
        <translation>Импорт сопоставления…</translation>
    </message>
    <message>
        <source>Add translation memory…</source>
        <translation>Добавить память переводов…</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Предварительный перевод из памяти</translation>
    </message>
    <message>
        <source>Use suggestion %1</source>
        <translation>Взять подсказку %1</translation>
    </message>
    <message>
        <source>Translation table…</source>
        <translation>Таблица переводов…</translation>
    </message>
    <message>
        <source>Next to do</source>
        <translation>Следующая неготовая</translation>
    </message>
    <message>
        <source>Previous to do</source>
        <translation>Предыдущая неготовая</translation>
    </message>
    <message>
        <source>Next not stored as typed</source>
        <translation>Следующая, сохраняемая не так, как введена</translation>
    </message>
    <message>
        <source>Next failing a check</source>
        <translation>Следующая с непройденной проверкой</translation>
    </message>
    <message>
        <source>Previous failing a check</source>
        <translation>Предыдущая с непройденной проверкой</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>closing</source>
        <translation>закрытием</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads, or a category map (.po, .tsv, .txt), which it imports.</source>
        <translation>Окно принимает один перетащенный на него файл: библиотеку (.zbl), которую загружает, или сопоставление категорий (.po, .tsv, .txt), которое импортирует.</translation>
    </message>
    <message>
        <source>The window takes one file dropped on it: a library (.zbl), which it loads. Once a library is loaded, a category map (.po, .tsv, .txt) dropped is imported.</source>
        <translation>Окно принимает один перетащенный на него файл: библиотеку (.zbl), которую загружает. Когда библиотека загружена, перетащенное сопоставление категорий (.po, .tsv, .txt) импортируется.</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>Правка «%1»</translation>
    </message>
</context>
<context>
    <name>TMapCommands</name>
    <message>
        <source>Import Map</source>
        <translation>Импорт сопоставления</translation>
    </message>
    <message>
        <source>Export Map</source>
        <translation>Экспорт сопоставления</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Reading the map…</source>
        <translation>Чтение сопоставления…</translation>
    </message>
    <message>
        <source>Import &quot;%1&quot;</source>
        <translation>Импорт «%1»</translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Add Translation Memory</source>
        <translation>Добавить память переводов</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The file was not added to the translation memory.

%1: %2</source>
        <translation>Файл не добавлен в память переводов.

%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no translation to reuse: none of its entries gives a category a new text.</source>
        <translation>В «%1» нет переводов для повторного использования: ни одна запись не даёт категории новый текст.</translation>
    </message>
    <message>
        <source>1 translation from &quot;%1&quot; is in the translation memory until the program ends.</source>
        <translation>1 перевод из «%1» останется в памяти переводов до завершения программы.</translation>
    </message>
    <message>
        <source>%1 translations from &quot;%2&quot; are in the translation memory until the program ends.</source>
        <translation>Переводы из «%2» (%1) останутся в памяти переводов до завершения программы.</translation>
    </message>
    <message>
        <source>this library</source>
        <translation>эта библиотека</translation>
    </message>
    <message>
        <source>No category still to do has its old text in the translation memory.</source>
        <translation>Ни у одной неготовой категории нет старого текста в памяти переводов.</translation>
    </message>
    <message>
        <source>Pre-translate from memory</source>
        <translation>Предварительный перевод из памяти</translation>
    </message>
    <message>
        <source>1 category still to do was given the translation of its old text in the translation memory.</source>
        <translation>1 неготовая категория получила перевод своего старого текста из памяти переводов.</translation>
    </message>
    <message>
        <source>%1 categories still to do were given the translation of their old text in the translation memory.</source>
        <translation>Неготовые категории (%1) получили переводы своих старых текстов из памяти переводов.</translation>
    </message>
</context>
<context>
    <name>TProgressform</name>
    <message>
        <source>Progressform</source>
        <translation>Выполнение</translation>
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
        <translation>Увы - одна из категорий пуста!</translation>
    </message>
    <message>
        <source>No library is loaded. Save an empty library with no items?</source>
        <translation>Библиотека не загружена. Сохранить пустую библиотеку без элементов?</translation>
    </message>
</context>
<context>
    <name>TSpellingChoice</name>
    <message>
        <source>Spelling</source>
        <translation>Орфография</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>TSpellingLineEdit</name>
    <message>
        <source>No suggestions</source>
        <translation>Нет подсказок</translation>
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
        <translation>Сходство %1 %: «%2» стало «%3» (источник: %4)</translation>
    </message>
</context>
<context>
    <name>TSuggestionView</name>
    <message>
        <source>Suggestions from the translation memory</source>
        <translation>Подсказки из памяти переводов</translation>
    </message>
</context>
<context>
    <name>TTranslationTable</name>
    <message>
        <source>Translation table</source>
        <translation>Таблица переводов</translation>
    </message>
    <message>
        <source>Search old and new texts</source>
        <translation>Поиск в старых и новых текстах</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Exact case</source>
        <translation>С учётом регистра</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Регулярное выражение</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Показанные строки</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Не готово</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Not stored as typed</source>
        <translation>Сохранится не так, как введено</translation>
    </message>
    <message>
        <source>Checks failing</source>
        <translation>Непройденные проверки</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Suggestions from the translation memory:</source>
        <translation>Подсказки из памяти переводов:</translation>
    </message>
    <message>
        <source>Copy old text to new</source>
        <translation>Скопировать старый текст в новый</translation>
    </message>
    <message>
        <source>Revert to the saved text</source>
        <translation>Вернуть сохранённый текст</translation>
    </message>
    <message>
        <source>Copy old texts</source>
        <translation>Копирование старых текстов</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Возврат</translation>
    </message>
    <message>
        <source>This regular expression is not valid.</source>
        <translation>Это регулярное выражение некорректно.</translation>
    </message>
    <message>
        <source>%1 shown · %2 categories · %3 to do · %4 changed · %5 not stored as typed</source>
        <translation>показано: %1 · категорий: %2 · не готово: %3 · изменено: %4 · не так, как введено: %5</translation>
    </message>
</context>
</TS>
