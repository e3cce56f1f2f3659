<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Gjer om</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Klipp ut</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>K&amp;opier</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Merk alt</translation>
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
        <translation>Du er kanskje ikkje kopla til internett, eller så kan tenaren vere nede.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Kunne ikkje lese versjonsnummeret</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Kunne ikkje lese versjonsnummeret.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Fann ingen versjonsinformasjon</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Fann ingen versjonsinformasjon.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Sjå etter oppdateringar</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Ser etter oppdateringar…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Ein nyare versjon er publisert.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Vil du opne nedlastingssida?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Opne nedlastingssida</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ikkje no</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Feilsøkingsinformasjon ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Den nyaste versjonen «%1» er publisert.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Det finst ingen nyare versjon.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Du brukar allereie den nyaste versjonen.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Kunne ikkje hente versjonsinformasjonen.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Fann ikkje den oppgjevne fila.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Fann ikkje den oppgjevne URL-en.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Kunne ikkje opne nettlesaren.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Sjå etter oppdateringar</translation>
    </message>
</context>
</TS>
