<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hy" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Հետարկել</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Կ&amp;րկնել</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Կտրել</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Պատճենել</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Տեղադրել</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Ջնջել</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Ընտրել բոլորը</translation>
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
        <translation>Հնարավոր է՝ համացանցի կապ չկա կամ սերվերը չի աշխատում։</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Չհաջողվեց կարդալ տարբերակի համարը</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Չհաջողվեց կարդալ տարբերակի համարը։</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Տարբերակի տեղեկությունները չեն գտնվել</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Տարբերակի տեղեկությունները չեն գտնվել։</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Թարմացումների ստուգում</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Թարմացումների ստուգում…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Հրապարակվել է նոր տարբերակ։</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Բացե՞լ ներբեռնման էջը։</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Բացել ներբեռնման էջը</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ոչ հիմա</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Վրիպազերծման տեղեկություններ ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Փակել</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Հրապարակվել է նոր տարբերակը՝ «%1»։</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Նոր տարբերակ չկա։</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Ձեր օգտագործած տարբերակն ամենանորն է։</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Տարբերակի տեղեկությունները չստացվեցին։</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Նշված ֆայլը չի գտնվել։</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Նշված URL-ը չի գտնվել։</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Չհաջողվեց բացել դիտարկիչը։</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Թարմացումների ստուգում</translation>
    </message>
</context>
</TS>
