<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Опозови</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Понови</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Исеци</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Копирај</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Налепи</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Из&amp;бриши</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Изабери &amp;све</translation>
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
        <translation>Можда нисте повезани на интернет или је сервер недоступан.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Препознавање броја верзије није успело</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Препознавање броја верзије није успело.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Подаци о верзији нису пронађени</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Подаци о верзији нису пронађени.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Провера ажурирања</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Провера да ли има ажурирања…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Објављена је новија верзија.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Да ли желите да отворите страницу за преузимање?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Отвори страницу</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Не сада</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Подаци за отклањање грешака ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Затвори</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Објављена је новија верзија „%1”.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Нема новије верзије.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Користите најновију верзију.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Добављање података о верзији није успело.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Наведена датотека није пронађена.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Наведена URL адреса није пронађена.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Отварање прегледача није успело.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 — Провера ажурирања</translation>
    </message>
</context>
</TS>
