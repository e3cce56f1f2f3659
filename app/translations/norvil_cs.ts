<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Z&amp;novu</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Vyjmou&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>O&amp;dstranit</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Vybr&amp;at vše</translation>
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
        <translation>Možná nejste připojeni k internetu nebo server není v provozu.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Nepodařilo se přečíst číslo verze</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Nepodařilo se přečíst číslo verze.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Informace o verzi nebyly nalezeny</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Informace o verzi nebyly nalezeny.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Kontrola aktualizací</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Probíhá kontrola aktualizací…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Byla vydána novější verze.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Chcete otevřít stránku ke stažení?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Otevřít stránku ke stažení</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Teď ne</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Ladicí informace ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Byla vydána novější verze „%1“.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Novější verze není k dispozici.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Používáte nejnovější verzi.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Nepodařilo se získat informace o verzi.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Zadaný soubor nebyl nalezen.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Zadaná adresa URL nebyla nalezena.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Nepodařilo se otevřít prohlížeč.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Kontrola aktualizací</translation>
    </message>
</context>
</TS>
