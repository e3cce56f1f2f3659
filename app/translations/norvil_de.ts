<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Alles &amp;markieren</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Möglicherweise sind Sie offline oder ist der Server nicht erreichbar.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Die Versionsnummer konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Die Versionsnummer konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Die Versionsinformationen wurden nicht gefunden</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Die Versionsinformationen wurden nicht gefunden.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Eine neuere Version ist erschienen.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Download-Seite öffnen?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Download-Seite öffnen</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Jetzt nicht</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Debug-Protokoll ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Die neueste Version „%1“ ist erschienen.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Es gibt keine neuere Version.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Sie verwenden bereits die neueste Version.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Fehler beim Abrufen der Versionsinformationen.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Die angegebene URL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Der Browser konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Nach Updates suchen</translation>
    </message>
</context>
</TS>
