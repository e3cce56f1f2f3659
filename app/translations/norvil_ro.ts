<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Anulare</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Refacere</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Decupare</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copiere</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Lipire</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Șt&amp;ergere</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Selectare totală</translation>
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
        <translation>Este posibil să nu fiți conectat la internet sau ca serverul să fie oprit.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Numărul versiunii nu a putut fi citit</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Numărul versiunii nu a putut fi citit.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Informațiile despre versiune nu au fost găsite</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Informațiile despre versiune nu au fost găsite.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Verificare actualizări</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Se verifică actualizările…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>A fost publicată o versiune mai nouă.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Doriți să vedeți pagina de descărcare?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Vezi pagina de descărcare</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Nu acum</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Informații de depanare ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>Î&amp;nchide</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>A fost publicată o versiune mai nouă: „%1”.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Nu există o versiune mai nouă.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Versiunea pe care o utilizați este cea mai nouă.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Nu s-au putut obține informațiile despre versiune.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Fișierul specificat nu a fost găsit.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>URL-ul specificat nu a fost găsit.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Browserul nu a putut fi deschis.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Verificare actualizări</translation>
    </message>
</context>
</TS>
