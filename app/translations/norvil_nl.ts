<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Alles selecteren</translation>
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
        <translation>Mogelijk is er geen internetverbinding of is de server niet bereikbaar.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Het versienummer kon niet worden gelezen</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Het versienummer kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>De versie-informatie kon niet worden gevonden</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>De versie-informatie kon niet worden gevonden.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Controleren op updates…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Er is een nieuwere versie verschenen.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Wilt u de downloadpagina openen?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Downloadpagina openen</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Niet nu</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Foutopsporingsinformatie ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>De nieuwste versie, %1, is verschenen.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Er is geen nieuwere versie.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>U gebruikt al de nieuwste versie.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Het ophalen van de versie-informatie is mislukt.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Het opgegeven bestand is niet gevonden.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>De opgegeven URL is niet gevonden.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>De browser kon niet worden geopend.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Controleren op updates</translation>
    </message>
</context>
</TS>
