<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="is" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Afturkalla</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Endur&amp;gera</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Klippa</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>A&amp;frita</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Líma</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Eyða</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Velja allt</translation>
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
        <translation>Hugsanlega er engin nettenging eða netþjónninn gæti legið niðri.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Ekki tókst að lesa útgáfunúmerið</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Ekki tókst að lesa útgáfunúmerið.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Útgáfuupplýsingar fundust ekki</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Útgáfuupplýsingar fundust ekki.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Leita að uppfærslum</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Leitar að uppfærslum…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Nýrri útgáfa hefur verið gefin út.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Viltu opna niðurhalssíðuna?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Opna niðurhalssíðuna</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ekki núna</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Villuleitarupplýsingar ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Loka</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Nýjasta útgáfan „%1“ hefur verið gefin út.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Engin nýrri útgáfa er til.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Þú ert þegar með nýjustu útgáfuna.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Ekki tókst að sækja útgáfuupplýsingarnar.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Tilgreind skrá fannst ekki.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Tilgreind vefslóð fannst ekki.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Ekki tókst að opna vafrann.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Leita að uppfærslum</translation>
    </message>
</context>
</TS>
