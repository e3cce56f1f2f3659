<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Tee uudelleen</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Leikkaa</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>K&amp;opioi</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>L&amp;iitä</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Poista</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Valitse kaikki</translation>
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
        <translation>Internet-yhteyttä ei ehkä ole tai palvelin ei ehkä toimi.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Versionumeroa ei voitu lukea</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Versionumeroa ei voitu lukea.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Versiotietoja ei löytynyt</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Versiotietoja ei löytynyt.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Tarkista päivitykset</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Tarkistetaan päivityksiä…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Uusi versio on julkaistu.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Avataanko lataussivu?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Avaa lataussivu</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ei nyt</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Virheenjäljitystiedot ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Uusi versio ”%1” on julkaistu.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Uutta versiota ei ole.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Käyttämäsi versio on uusin.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Versiotietojen hakeminen epäonnistui.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Määritettyä tiedostoa ei löytynyt.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Määritettyä URL-osoitetta ei löytynyt.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Selainta ei voitu avata.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Tarkista päivitykset</translation>
    </message>
</context>
</TS>
