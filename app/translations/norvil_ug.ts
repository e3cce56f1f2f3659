<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ug" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;يېنىۋال</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;قايتىلا</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;كەس</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>كۆچۈ&amp;ر</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;چاپلا</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;ئۆچۈر</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;ھەممىنى تاللا</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>ئىنتېرنېتقا ئۇلانمىغان ياكى مۇلازىمېتىر توختاپ قالغان بولۇشى مۇمكىن.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>نەشر نومۇرىنى ئوقۇغىلى بولمىدى</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>نەشر نومۇرىنى ئوقۇغىلى بولمىدى.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>نەشر ئۇچۇرى تېپىلمىدى</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>نەشر ئۇچۇرى تېپىلمىدى.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>يېڭىلانمىلارنى تەكشۈرۈش</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>يېڭىلانمىلارنى تەكشۈرۈۋاتىدۇ…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>يېڭى نەشر ئېلان قىلىندى.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>چۈشۈرۈش بېتىنى ئاچامسىز؟</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;چۈشۈرۈش بېتىنى ئاچ</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;ھازىرچە ياق</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- سازلاش ئۇچۇرى ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;ياپ</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>ئەڭ يېڭى نەشر «%1» ئېلان قىلىندى.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>يېڭى نەشر يوق.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>سىز ئىشلىتىۋاتقان نەشر ئەڭ يېڭىسى.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>نەشر ئۇچۇرىغا ئېرىشكىلى بولمىدى.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>بەلگىلەنگەن ھۆججەت تېپىلمىدى.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>بەلگىلەنگەن URL تېپىلمىدى.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>توركۆرگۈنى ئاچقىلى بولمىدى.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – يېڭىلانمىلارنى تەكشۈرۈش</translation>
    </message>
</context>
</TS>
