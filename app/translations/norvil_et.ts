<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>Võta &amp;tagasi</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Tee &amp;uuesti</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Lõika</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopeeri</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Kl&amp;eebi</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Ku&amp;stuta</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Vali kõik</translation>
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
        <translation>Võimalik, et internetiühendus puudub või server ei tööta.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Versiooninumbrit ei õnnestunud lugeda</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Versiooninumbrit ei õnnestunud lugeda.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Versiooniteavet ei leitud</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Versiooniteavet ei leitud.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Värskenduste otsimine</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Värskenduste otsimine…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Avaldatud on uuem versioon.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Kas avada allalaadimisleht?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Ava allalaadimisleht</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Mitte praegu</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Silumisteave ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Sulge</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Avaldatud on uuem versioon „%1“.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Uuemat versiooni pole.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Kasutate uusimat versiooni.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Versiooniteavet ei õnnestunud hankida.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Määratud faili ei leitud.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Määratud URL-i ei leitud.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Brauserit ei õnnestunud avada.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Värskenduste otsimine</translation>
    </message>
</context>
</TS>
