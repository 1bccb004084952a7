<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>brevino::ui::AddEntryDialog</name>
    <message>
        <source>IFD</source>
        <translation>IFD</translation>
    </message>
    <message>
        <source>ﾀｸﾞ</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>ﾀｸﾞを追加</source>
        <translation>Add Tag</translation>
    </message>
</context>
<context>
    <name>brevino::ui::BatchDialog</name>
    <message>
        <source>GO</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>%1 / %2 ﾌｧｲﾙ完了</source>
        <translation>%1 / %2 files done</translation>
    </message>
</context>
<context>
    <name>brevino::ui::DialogFileChooser</name>
    <message>
        <source>Export Files (*.ap1)</source>
        <translation>Export Files (*.ap1)</translation>
    </message>
    <message>
        <source>Import Files (*.ap1)</source>
        <translation>Import Files (*.ap1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>All Files (*)</translation>
    </message>
</context>
<context>
    <name>brevino::ui::InputDialog</name>
    <message>
        <source>%1 / %2 ﾊﾞｲﾄ</source>
        <translation>%1 / %2 bytes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>brevino::ui::MainWindow</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞを開く(&amp;O)</source>
        <translation>&amp;Open Folder...</translation>
    </message>
    <message>
        <source>Exif情報上書き(&amp;S)</source>
        <translation>Over&amp;write Exif Data</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>Import(&amp;I)</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ﾀｸﾞを追加...</source>
        <translation>Add Tag...</translation>
    </message>
    <message>
        <source>ﾀｸﾞを削除</source>
        <translation>Delete Tags</translation>
    </message>
    <message>
        <source>複数ﾌｧｲﾙ一括変更</source>
        <translation>Batch Change...</translation>
    </message>
    <message>
        <source>ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&amp;C)</source>
        <translation>&amp;Copy to Clipboard</translation>
    </message>
    <message>
        <source>地図で表示</source>
        <translation>Show on Map</translation>
    </message>
    <message>
        <source>設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;V)</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞを開く</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Exif情報を上書き</source>
        <translation>Overwrite Exif Data</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Exportﾌｧｲﾙを開く</source>
        <translation>Export to File</translation>
    </message>
    <message>
        <source>Importﾌｧｲﾙを開く</source>
        <translation>Import from File</translation>
    </message>
    <message>
        <source>Exif情報アップデート</source>
        <translation>Exif Update</translation>
    </message>
    <message>
        <source>JPEGﾌｫﾙﾀﾞを開く</source>
        <translation>Open JPEG Folder</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞを開くか、ﾌｧｲﾙをﾄﾞﾛｯﾌﾟして下さい</source>
        <translation>Open a folder or drop files here</translation>
    </message>
    <message>
        <source>このﾌｫﾙﾀﾞにはJPEGﾌｧｲﾙがありません。
ﾌｫﾙﾀﾞを開くか、ﾌｧｲﾙをﾄﾞﾛｯﾌﾟして下さい</source>
        <translation>This folder has no JPEG files.
Open a folder or drop files here</translation>
    </message>
    <message>
        <source>ﾀｸﾞ・値・説明で絞り込み</source>
        <translation>Filter by tag, value or note</translation>
    </message>
    <message>
        <source>%s は削除されました。</source>
        <translation>%s was deleted.</translation>
    </message>
    <message>
        <source>地図を表示するﾌﾞﾗｳｻﾞがありません: %s</source>
        <translation>No browser to show the map: %s</translation>
    </message>
    <message>
        <source>編集を元に戻しました。</source>
        <translation>The edit was undone.</translation>
    </message>
</context>
<context>
    <name>brevino::ui::OptionsDialog</name>
    <message>
        <source>起動・終了設定</source>
        <translation>Start and exit</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Tag変更設定</source>
        <translation>Tag changes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ設定</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>brevino::ui::VersionDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>ﾗｲｾﾝｽ: %1</source>
        <translation>License: %1</translation>
    </message>
</context>
</TS>
