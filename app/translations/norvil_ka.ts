<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;გაუქმება</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>გა&amp;მეორება</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;ამოჭრა</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;კოპირება</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;ჩასმა</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;წაშლა</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;ყველაფრის მონიშვნა</translation>
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
        <translation>შესაძლოა, ინტერნეტი არ გქონდეთ ან სერვერი არ მუშაობდეს.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>ვერსიის ნომრის წაკითხვა ვერ მოხერხდა</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>ვერსიის ნომრის წაკითხვა ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>ვერსიის ინფორმაცია ვერ მოიძებნა</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>ვერსიის ინფორმაცია ვერ მოიძებნა.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>განახლებების შემოწმება</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>განახლებების შემოწმება…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>გამოქვეყნდა ახალი ვერსია.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>გავხსნა გადმოწერის გვერდი?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;გვერდის გახსნა</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;ახლა არა</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- გამართვის ინფორმაცია ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;დახურვა</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>გამოქვეყნდა ახალი ვერსია „%1“.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>ახალი ვერსია არ არის.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>თქვენ უახლეს ვერსიას იყენებთ.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>ვერსიის ინფორმაციის მიღება ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>მითითებული ფაილი ვერ მოიძებნა.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>მითითებული URL ვერ მოიძებნა.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>ბრაუზერის გახსნა ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – განახლებების შემოწმება</translation>
    </message>
</context>
</TS>
