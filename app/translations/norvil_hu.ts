<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Visszavonás</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Mé&amp;gis</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Kivágás</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Másolás</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Beillesztés</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Törlés</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Az összes kijelölése</translation>
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
        <translation>Lehet, hogy nincs internetkapcsolat, vagy a kiszolgáló nem működik.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Nem sikerült beolvasni a verziószámot</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Nem sikerült beolvasni a verziószámot.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Nem található verzióinformáció</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Nem található verzióinformáció.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Frissítések keresése…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Megjelent egy újabb verzió.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Megnyitja a letöltési oldalt?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Letöltési oldal megnyitása</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Most nem</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Hibakeresési információk ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Bezárás</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Megjelent egy újabb verzió: „%1”.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Nincs újabb verzió.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Ön a legújabb verziót használja.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Nem sikerült lekérni a verzióinformációt.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>A megadott fájl nem található.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>A megadott URL nem található.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Nem sikerült megnyitni a böngészőt.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Frissítések keresése</translation>
    </message>
</context>
</TS>
